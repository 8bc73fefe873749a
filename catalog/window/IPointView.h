#pragma once
// The view that shows a group's items as points (the map) or as photos (the plant view), as
// groups and subsets fill it. The window resets and draws it; the catalog only adds to it.
#include <QString>
#include <QtGlobal>

class IPointView {
public:
    virtual ~IPointView() = default;

    // Adds a point at (x, y) = (longitude, latitude). key is the value of the list row that
    // shows the item (a valid key, so item 0 can be clicked); label is the tooltip text.
    virtual bool AddItem(double x, double y, quint32 key, const QString& name,
                         const QString& label, int visitCount, int number) = 0;
    // Adds the photos of a plant; only the photo view shows them.
    virtual bool LoadImages(int item, const QString& name, const QString& family,
                            const QString& line)
    {
        (void)item, (void)name, (void)family, (void)line;
        return false;
    }
};
