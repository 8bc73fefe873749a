// The trail group's writers: a walk, an atlas page or a companion's visit appended to a
// trail's item file, then to its record, then marked in the row.
#include "catalog/trail/GroupTrail.h"

#include "catalog/GroupTable.h"
#include "catalog/records/CodeWriter.h"
#include "catalog/records/RecordText.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/talvane/HikingMate.h"
#include "catalog/text/AtlasRef.h"
#include "catalog/text/TextParsers.h"
#include "catalog/window/IStatusText.h"

namespace {

using namespace code_writer;

const QString kBlueSkyKey = QStringLiteral("BlueSky");
const QString kQuillKey = QStringLiteral("Quill");
// The group whose companions visit trails too.
const QString kPeakGroupKey = QStringLiteral("Talvane");
constexpr int kMarkColumn = CGroupTrail::ListColumn::kWalked;
// The numbered keys of one companion that a trail's file may hold.
constexpr int kMaxMateKeys = CGroupTalvane::kMateKeys;

// The peak group of the table, built on first use; null when the table has none. The status
// text that building may change is put back.
const CGroupTalvane* PeakGroup(CGroupTable* table)
{
    if (!table)
        return nullptr;
    IStatusText* status = table->StatusWindow();
    const QString saved = status ? status->Text() : QString();
    const CGroupTalvane* found = nullptr;
    for (int i = 0; i < table->GroupCount() && !found; ++i) {
        CGroupBase* group = table->GetGroup(i, status);
        if (group && group->Key() == kPeakGroupKey)
            found = dynamic_cast<const CGroupTalvane*>(group);
    }
    if (status)
        status->SetText(saved);
    return found;
}

// The companion's first numbered key that the file leaves empty; empty when all are taken or
// the companion has no key prefix.
QString FreeMateKey(const CGroupBase& group, const QString& path, const HikingMate& mate)
{
    if (mate.keyTitle.isEmpty())
        return {};
    for (int n = 1; n <= kMaxMateKeys; ++n) {
        const QString key = mate.VisitKey(n);
        if (group.ReadItemText(path, key).isEmpty())
            return key;
    }
    return {};
}

} // namespace

bool CGroupTrail::AddVisit(IItemList* list, int row, int walkNumber)
{
    const int item = ItemOfRow(list, row);
    if (item < 0)
        return false;
    return AppendVisit(*this, list, row, item, ItemAs<TrailItemRecord>(item)->Visits, walkNumber,
                       kMarkColumn);
}

bool CGroupTrail::AddAtlasRef(IItemList* list, int row, int code)
{
    const int item = ItemOfRow(list, row);
    QString value;
    if (item < 0 || !AtlasValueText(code, &value))
        return false;
    TrailItemRecord* r = ItemAs<TrailItemRecord>(item);
    const int kind = AtlasRefKind(code);
    const CodeScan scan = ScanCodes(r->AtlasRefs, code,
                                    [kind](int held) { return AtlasRefKind(held) == kind; });
    if (scan.held || scan.length >= kMaxCodes)
        return false;
    const QString& prefix = kind == kAtlasKindBlueSky ? kBlueSkyKey : kQuillKey;
    return AppendCode(*this, list, row, item, r->AtlasRefs, scan.length, code,
                      FormatNumberedKey(prefix, scan.sameKind + 1), value, kMarkColumn);
}

bool CGroupTrail::AddMateVisit(IItemList* list, int row, int code)
{
    const int item = ItemOfRow(list, row);
    if (item < 0 || code <= 0)
        return false;
    TrailItemRecord* r = ItemAs<TrailItemRecord>(item);
    const CodeScan scan = ScanCodes(r->MateVisits, code, [](int) { return false; });
    if (scan.held || scan.length >= kMaxCodes)
        return false;
    const CGroupTalvane* peaks = PeakGroup(table);
    const HikingMate* mate = peaks ? peaks->Mate(code / CGroupTalvane::kMateCodeFactor) : nullptr;
    const QString value = mate ? MateDateText(code) : QString();
    const QString key = value.isEmpty() ? QString() : FreeMateKey(*this, FieldText(r->path), *mate);
    if (key.isEmpty())
        return false;
    return AppendCode(*this, list, row, item, r->MateVisits, scan.length, code, key, value,
                      kMarkColumn);
}
