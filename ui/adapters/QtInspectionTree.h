#pragma once
// The GPS inspection tree over a QTreeWidget. Items are handed out as numbers that are never
// reused, so a handle kept across Clear is simply unknown afterwards instead of dangling.
// Filling runs with the widget's signals blocked.
#include "gps/GPSInspection.h"

#include <QHash>

class QTreeWidget;
class QTreeWidgetItem;

class QtInspectionTree : public IGPSInspectionTree {
public:
    explicit QtInspectionTree(QTreeWidget* tree) : tree_(tree) {}

    // Appends an item as the last child of parent (0: a top-level item); 0 for an unknown parent.
    GPSTreeItem InsertItem(const QString& text, GPSTreeItem parent) override;
    void Expand(GPSTreeItem item) override;

    // Empties the widget; every handle handed out so far becomes unknown.
    void Clear();
    // The widget item of a handle; null for 0 or an unknown handle.
    QTreeWidgetItem* ItemOf(GPSTreeItem item) const { return items_.value(item); }

private:
    QTreeWidget* tree_;
    QHash<GPSTreeItem, QTreeWidgetItem*> items_;
    GPSTreeItem lastItem_ = 0;
};
