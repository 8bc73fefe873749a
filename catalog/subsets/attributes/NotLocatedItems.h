#pragma once
// The order in which the not-located subsets list a group's items: first every item that
// names no waypoint or track, then, after the group has refreshed its GPS file, every item
// whose name the file does not hold. Each pass keeps the item order.
#include <QList>
#include <QString>

#include <functional>

struct NotLocatedLookups {
    // The name an item's waypoint or track goes by (whole, not cut to its record field).
    std::function<QString(int item)> nameOf;
    // Reloads the group's GPS file when it changed; called once, between the two passes.
    std::function<void()> refresh;
    // Whether the refreshed file holds a waypoint or track of this name.
    std::function<bool(const QString& name)> found;
};

// The items 0 to itemCount - 1 in listing order.
QList<int> NotLocatedItems(int itemCount, const NotLocatedLookups& lookups);
