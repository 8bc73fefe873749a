// Listing and marking the peaks whose names pass a test.
#include "catalog/subsets/names/PeakNameListing.h"

#include "catalog/records/RecordText.h"
#include "catalog/talvane/GroupTalvane.h"

bool PeakNameListing::Listed(int item) const
{
    const TalvaneItemRecord* record = group->Record(item);
    if (!record)
        return false;
    if (test(FieldText(record->Name)))
        return true;
    const QString name2 = FieldText(record->Name2);
    return !name2.isEmpty() && test(name2);
}

int PeakNameListing::Fill(IItemList* list, const ColumnLayout* columns) const
{
    if (!group || !list)
        return 0;
    group->SetupItemColumns(list, columns);
    int rows = 0;
    for (int item = 0; item < group->ItemCount(); ++item) {
        if (Listed(item) && group->InsertItemRow(list, rows, item))
            ++rows;
    }
    return rows;
}

int PeakNameListing::Mark(IPointView* view) const
{
    if (!group)
        return 0;
    int marked = 0;
    for (int item = 0; item < group->ItemCount(); ++item) {
        if (Listed(item)) {
            group->ShowItemOnMap(view, item);
            ++marked;
        }
    }
    return marked;
}
