#pragma once
// Popup menus at the mouse cursor, owned by a dialog; a chosen command reaches the dialog's
// command dispatch after the menu has closed.
#include "catalog/window/IPopupMenu.h"

class CommandDispatch;
class QMenu;
class QWidget;

class QtPopupMenu : public IPopupMenu {
public:
    QtPopupMenu(QWidget* owner, CommandDispatch* commands) : owner_(owner), commands_(commands) {}

    int ShowAtCursor(const QList<MenuEntry>& entries, MenuDelivery delivery) override;

    // The menu of the entries; each action carries its command id.
    static void FillMenu(QMenu* menu, const QList<MenuEntry>& entries);

private:
    QWidget* owner_;
    CommandDispatch* commands_;
};
