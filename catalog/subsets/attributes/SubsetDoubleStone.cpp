// The peaks with two usable survey stones.
#include "catalog/subsets/attributes/SubsetDoubleStone.h"

#include "catalog/GroupTable.h"
#include "catalog/records/RecordText.h"
#include "catalog/talvane/GroupTalvane.h"

namespace {

const QString kLost = QStringLiteral("失");
const QString kMoved = QStringLiteral("改");

} // namespace

CSubsetDoubleStone::CSubsetDoubleStone(CGroupTalvane* group)
    : CSubsetBase(kTypeDoubleStone, kFolderBasic, QStringLiteral("雙基石的山"),
                  group ? group->Key() : QString()),
      group(group)
{
}

bool CSubsetDoubleStone::Usable(const QString& number, const QString& status) const
{
    if (number.isEmpty() || status == kLost || status == kMoved)
        return false;
    const CGroupTable* table = group->Table();
    if (!table)
        return false;
    int word = 0, value = 0;
    const int level = table->GetStoneLevel(number, &word, &value);
    return level >= 1 && level <= kMaxUsableLevel;
}

bool CSubsetDoubleStone::Lists(const TalvaneItemRecord& record) const
{
    return Usable(FieldText(record.Stone), FieldText(record.StoneStatus)) &&
           Usable(FieldText(record.Stone2), FieldText(record.StoneStatus2));
}

int CSubsetDoubleStone::ForEach(const std::function<void(int item)>& visit) const
{
    if (!group)
        return 0;
    int listed = 0;
    for (int item = 0; item < group->ItemCount(); ++item) {
        const TalvaneItemRecord* record = group->Record(item);
        if (!record || !Lists(*record))
            continue;
        visit(item);
        ++listed;
    }
    return listed;
}

int CSubsetDoubleStone::FillList(IItemList* list, SubsetStatistics*, const ColumnLayout* columns)
{
    if (!group || !list)
        return 0;
    group->SetupItemColumns(list, columns);
    int rows = 0;
    ForEach([&](int item) {
        if (group->InsertItemRowAt(list, rows, item, CGroupTalvane::RowOptions{}))
            ++rows;
    });
    return rows;
}

int CSubsetDoubleStone::MarkOnMap(IPointView* view)
{
    if (!group || !view)
        return 0;
    return ForEach([&](int item) { group->ShowItemOnMap(view, item); });
}
