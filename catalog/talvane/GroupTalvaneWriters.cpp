// The peak group's writers: a walk visit, an atlas reference or a companion's visit appended to
// a peak's item file and record, and the rescan's offer of an item file.
#include "catalog/talvane/GroupTalvane.h"

#include "catalog/records/CodeList.h"
#include "catalog/records/ItemRowValue.h"
#include "catalog/text/AtlasRef.h"
#include "catalog/text/TextParsers.h"
#include "catalog/window/IItemList.h"
#include "platform/Profile.h"

namespace {

const QString kVisitKey = QStringLiteral("Visit");
const QString kBlueSkyKey = QStringLiteral("BlueSky");
const QString kQuillKey = QStringLiteral("Quill");
const QString kMarked = QStringLiteral("V");

// Atlas pages run from 1 to this.
constexpr int kMaxAtlasPage = 999;
// Date texts read a year up to this as no year at all; such an ROC year is written in the
// Gregorian era, which the reader turns back into the ROC year.
constexpr int kLastUnreadRocYear = 80;
constexpr int kRocEraOffset = 1911;

using CodeList = int32_t[kMaxCodes];

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

// One pass over a code list: whether it holds the code, where its first free place is
// (kMaxCodes when full) and how many codes of the same kind as the new one it holds.
struct CodeScan {
    bool held = false;
    int length = 0;
    int sameKind = 0;
};

template <class SameKind>
CodeScan ScanCodes(const CodeList& codes, int code, SameKind sameKind)
{
    CodeScan scan;
    for (; scan.length < kMaxCodes && codes[scan.length] != 0; ++scan.length) {
        if (codes[scan.length] == code)
            scan.held = true;
        if (sameKind(codes[scan.length]))
            ++scan.sameKind;
    }
    return scan;
}

// A code that names a page of one of the two atlases, as its reader gives it back.
bool IsAtlasCode(int code)
{
    const int kind = AtlasRefKind(code);
    const int volume = AtlasRefVolume(code);
    const int page = AtlasRefPage(code);
    return code > 0 && (kind == kAtlasKindBlueSky || kind == kAtlasKindQuill) && volume >= 1 &&
           volume <= kAtlasVolumeCount && page >= 1 && page <= kMaxAtlasPage &&
           AtlasRefCode(kind, volume, page) == code;
}

// The date text of a companion visit code's date part; empty when the loader would not read
// the same date back from it.
QString MateDateText(int code)
{
    const int date = code % CGroupTalvane::kMateCodeFactor;
    const int year = date / CGroupTalvane::kMateYearFactor;
    const int month = date / CGroupTalvane::kMateMonthFactor % CGroupTalvane::kMateMonthFactor;
    const int day = date % CGroupTalvane::kMateMonthFactor;
    if (year < CGroupTalvane::kMinMateYear)
        return QString();
    const int written = year <= kLastUnreadRocYear ? year + kRocEraOffset : year;
    const QString text = QStringLiteral("%1/%2/%3").arg(written).arg(month).arg(day);
    int y = 0, m = 0, d = 0;
    if (!ParseDateText(text, &y, &m, &d) || y != year || m != month || d != day)
        return QString();
    return text;
}

// Writes key=value into the peak's file, then keeps the code at position of the list and marks
// the row. The key must be free: a numbered entry never overwrites text already there.
bool AppendCode(CGroupTalvane& group, IItemList* list, int row, int peak,
                CodeList TalvaneItemRecord::*member, int position, int code, const QString& key,
                const QString& value)
{
    const QString path = group.ItemPath(peak);
    if (!group.ReadItemText(path, key).isEmpty() ||
        !platform::WriteProfileString(path, group.Key(), key, value))
        return false;
    CodeList& codes = group.ItemAs<TalvaneItemRecord>(peak)->*member;
    codes[position] = code;
    if (position + 1 < kMaxCodes)
        codes[position + 1] = 0;
    list->SetCellText(row, CGroupTalvane::ListColumn::kClimbed, kMarked);
    return true;
}

} // namespace

bool CGroupTalvane::AddVisit(IItemList* list, int row, int walkNumber)
{
    if (walkNumber <= 0)
        return false;
    const RowTarget target = TargetOf(*this, list, row);
    if (target.kind != RowTarget::Kind::Peak)
        return target.kind == RowTarget::Kind::SurveyStone;
    const CodeScan scan =
        ScanCodes(Record(target.peak)->Visits, walkNumber, [](int) { return false; });
    if (scan.held || scan.length >= kMaxCodes)
        return false;
    return AppendCode(*this, list, row, target.peak, &TalvaneItemRecord::Visits, scan.length,
                      walkNumber, FormatNumberedKey(kVisitKey, scan.length + 1),
                      QString::number(walkNumber));
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
    const bool formatted = kind == kAtlasKindBlueSky ? FormatAtlasRefInParens(code, &value)
                                                     : FormatAtlasRefDashed(code, &value);
    const QString& prefix = kind == kAtlasKindBlueSky ? kBlueSkyKey : kQuillKey;
    return formatted &&
           AppendCode(*this, list, row, target.peak, &TalvaneItemRecord::AtlasRefs, scan.length,
                      code, FormatNumberedKey(prefix, scan.sameKind + 1), value);
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
    return AppendCode(*this, list, row, target.peak, &TalvaneItemRecord::MateVisits, scan.length,
                      code, mate->VisitKey(scan.sameKind + 1), value);
}

bool CGroupTalvane::AcceptItemFile(const QString& path, const platform::FileTime& writeTime)
{
    if (writeTime.highPart() < newestFileTime.highPart())
        return false;
    for (int i = 0; i < ItemCount(); ++i)
        if (ItemPath(i).compare(path, Qt::CaseInsensitive) == 0)
            return false;
    LoadItemFile(path, writeTime);
    return true;
}
