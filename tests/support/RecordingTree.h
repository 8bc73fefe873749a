#pragma once
// A recording inspection tree: every item with its text and parent, in insertion order, and
// the order in which items were expanded. Item handles are 1-based indices.
#include "gps/GPSInspection.h"

#include <QString>
#include <QStringList>
#include <vector>

class RecordingTree : public IGPSInspectionTree {
public:
    struct Item {
        QString text;
        GPSTreeItem parent = 0;
    };

    GPSTreeItem InsertItem(const QString& text, GPSTreeItem parent) override
    {
        items.push_back({text, parent});
        return GPSTreeItem(items.size());
    }
    void Expand(GPSTreeItem item) override { expanded.push_back(item); }

    const QString& Text(GPSTreeItem item) const { return items.at(item - 1).text; }
    // Texts of item's children, in order (0: the top-level items).
    QStringList Children(GPSTreeItem item) const
    {
        QStringList texts;
        for (const Item& it : items) {
            if (it.parent == item)
                texts << it.text;
        }
        return texts;
    }
    // The first child of parent whose text starts with prefix; 0 when none.
    GPSTreeItem Child(GPSTreeItem parent, const QString& prefix) const
    {
        for (size_t i = 0; i < items.size(); ++i) {
            if (items[i].parent == parent && items[i].text.startsWith(prefix))
                return GPSTreeItem(i + 1);
        }
        return 0;
    }
    bool IsExpanded(GPSTreeItem item) const
    {
        for (GPSTreeItem e : expanded) {
            if (e == item)
                return true;
        }
        return false;
    }

    std::vector<Item> items;
    std::vector<GPSTreeItem> expanded;
};
