#pragma once
// The peaks of the peak group whose names pass a test, in item order: a peak is listed when its
// Name passes, or else its Name2 when that is not empty. The series, same-name and name-ending
// subsets list and mark their peaks through it; none of them keeps visit figures.
#include <QString>

#include <functional>

class CGroupTalvane;
class IItemList;
class IPointView;
struct ColumnLayout;

class PeakNameListing {
public:
    using NameTest = std::function<bool(const QString& name)>;

    PeakNameListing(CGroupTalvane* group, NameTest test) : group(group), test(std::move(test)) {}

    // Lets the group set up its columns, inserts the listed peaks' rows; the row count.
    int Fill(IItemList* list, const ColumnLayout* columns) const;
    // Marks the listed peaks with the group's ShowItemOnMap; the count.
    int Mark(IPointView* view) const;

private:
    bool Listed(int item) const;

    CGroupTalvane* group;
    NameTest test;
};
