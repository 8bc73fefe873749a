#include "ui/adapters/QtInspectionTree.h"

#include <QSignalBlocker>
#include <QTreeWidget>

GPSTreeItem QtInspectionTree::InsertItem(const QString& text, GPSTreeItem parent)
{
    QTreeWidgetItem* parentItem = nullptr;
    if (parent != 0) {
        parentItem = ItemOf(parent);
        if (!parentItem)
            return 0;
    }
    const QSignalBlocker blocker(tree_);
    auto* item = new QTreeWidgetItem(QStringList{text});
    if (parentItem)
        parentItem->addChild(item);
    else
        tree_->addTopLevelItem(item);
    const GPSTreeItem handle = ++lastItem_;
    items_.insert(handle, item);
    return handle;
}

void QtInspectionTree::Expand(GPSTreeItem item)
{
    if (QTreeWidgetItem* widgetItem = ItemOf(item))
        widgetItem->setExpanded(true);
}

void QtInspectionTree::Clear()
{
    const QSignalBlocker blocker(tree_);
    tree_->clear();
    items_.clear();
}
