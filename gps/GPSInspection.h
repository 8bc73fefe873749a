#pragma once
// The window controls that GPS files can fill for inspection: a tree and a list box. The
// window layer implements these; the GPS code never sees a widget.
#include <QString>
#include <cstdint>

// A tree item handle; 0 is no item (and the root's parent).
using GPSTreeItem = uintptr_t;

class IGPSInspectionTree {
public:
    virtual ~IGPSInspectionTree() = default;
    // Adds an item with text as the last child of parent (0 for a top-level item) and
    // returns it.
    virtual GPSTreeItem InsertItem(const QString& text, GPSTreeItem parent) = 0;
    // Shows the children of item.
    virtual void Expand(GPSTreeItem item) = 0;
};

class IListBoxSink {
public:
    virtual ~IListBoxSink() = default;
    virtual void Clear() = 0;
    virtual void AddString(const QString& text) = 0;
};
