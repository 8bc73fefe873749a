#pragma once
// Popup menus built afresh at each use and shown at the mouse cursor.
#include <QList>
#include <QString>

struct MenuEntry {
    int id = 0;          // command id; unused for a separator
    QString text;
    bool separator = false;
    bool checked = false;
    bool disabled = false;
};

enum class MenuDelivery {
    // The chosen command also reaches the owning window's command dispatch, after the menu has
    // closed, as if one of its own menus had issued it.
    ToOwner,
    // The chosen id is only returned.
    ReturnOnly,
};

class IPopupMenu {
public:
    virtual ~IPopupMenu() = default;

    // Shows the entries at the cursor, owned by the window that holds the item list; returns
    // the chosen command id, 0 when the menu was dismissed or has no entries.
    virtual int ShowAtCursor(const QList<MenuEntry>& entries,
                             MenuDelivery delivery = MenuDelivery::ToOwner) = 0;
};
