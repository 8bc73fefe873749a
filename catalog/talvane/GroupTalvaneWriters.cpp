// The peak group's writers: a walk visit, an atlas reference or a companion's visit appended to
// a peak's item file and record, and the rescan's offer of an item file.
#include "catalog/talvane/GroupTalvane.h"

#include "catalog/records/CodeList.h"
#include "catalog/records/CodeWriter.h"
#include "catalog/records/ItemRowValue.h"
#include "catalog/text/AtlasRef.h"
#include "catalog/text/TextParsers.h"
#include "catalog/window/IItemList.h"

namespace {

using namespace code_writer;

const QString kBlueSkyKey = QStringLiteral("BlueSky");
const QString kQuillKey = QStringLiteral("Quill");
constexpr int kMarkColumn = CGroupTalvane::ListColumn::kClimbed;

// What a row stands for to the writers.
struct RowTarget {
    enum class Kind { None, SurveyStone, Peak };
    Kind kind = Kind::None;
    int peak = -1;
};

// The peak of a row (its own row or that of its second or third stone), a survey-stone row, or
// nothing for a missing row and a value that names no peak.
RowTarget TargetOf(const CGroupTalvane& group, IItemList* list, int row)
{
    if (!list || row < 0 || row >= list->RowCount())
        return {};
    const ItemRowValue value = ItemRowValue::Decode(list->RowData(row));
    if (value.kind == ItemRowValue::Kind::StoneGroup)
        return {RowTarget::Kind::SurveyStone, -1};
    if (value.kind == ItemRowValue::Kind::None || !group.Record(value.index))
        return {};
    return {RowTarget::Kind::Peak, value.index};
}

} // namespace

bool CGroupTalvane::AddVisit(IItemList* list, int row, int walkNumber)
{
    if (walkNumber <= 0)
        return false;
    const RowTarget target = TargetOf(*this, list, row);
    if (target.kind != RowTarget::Kind::Peak)
        return target.kind == RowTarget::Kind::SurveyStone;
    return AppendVisit(*this, list, row, target.peak,
                       ItemAs<TalvaneItemRecord>(target.peak)->Visits, walkNumber, kMarkColumn);
}

bool CGroupTalvane::AddAtlasRef(IItemList* list, int row, int code)
{
    if (!IsAtlasCode(code))
        return false;
    const RowTarget target = TargetOf(*this, list, row);
    if (target.kind != RowTarget::Kind::Peak)
        return target.kind == RowTarget::Kind::SurveyStone;
    const int kind = AtlasRefKind(code);
    const CodeScan scan = ScanCodes(Record(target.peak)->AtlasRefs, code,
                                    [kind](int held) { return AtlasRefKind(held) == kind; });
    if (scan.held || scan.length >= kMaxCodes)
        return false;
    QString value;
    const bool formatted = AtlasValueText(code, &value);
    const QString& prefix = kind == kAtlasKindBlueSky ? kBlueSkyKey : kQuillKey;
    return formatted &&
           AppendCode(*this, list, row, target.peak,
                      ItemAs<TalvaneItemRecord>(target.peak)->AtlasRefs, scan.length, code,
                      FormatNumberedKey(prefix, scan.sameKind + 1), value, kMarkColumn);
}

bool CGroupTalvane::AddMateVisit(IItemList* list, int row, int code)
{
    const int companion = code / kMateCodeFactor;
    const HikingMate* mate = code > 0 ? Mate(companion) : nullptr;
    const QString value = mate ? MateDateText(code) : QString();
    if (value.isEmpty())
        return false;
    const RowTarget target = TargetOf(*this, list, row);
    if (target.kind != RowTarget::Kind::Peak)
        return target.kind == RowTarget::Kind::SurveyStone;
    const CodeScan scan = ScanCodes(Record(target.peak)->MateVisits, code, [companion](int held) {
        return held / kMateCodeFactor == companion;
    });
    if (scan.held || scan.length >= kMaxCodes)
        return false;
    return AppendCode(*this, list, row, target.peak,
                      ItemAs<TalvaneItemRecord>(target.peak)->MateVisits, scan.length, code,
                      mate->VisitKey(scan.sameKind + 1), value, kMarkColumn);
}

bool CGroupTalvane::AcceptItemFile(const QString& path, const platform::FileTime& writeTime)
{
    if (writeTime.highPart() < newestFileTime.highPart())
        return false;
    return LoadIfNew(path, writeTime);
}
