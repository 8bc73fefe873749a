#include "ui/adapters/QtPopupMenu.h"

#include "ui/framework/CommandDispatch.h"

#include <QCursor>
#include <QMenu>

void QtPopupMenu::FillMenu(QMenu* menu, const QList<MenuEntry>& entries)
{
    for (const MenuEntry& entry : entries) {
        if (entry.separator) {
            menu->addSeparator();
            continue;
        }
        // Texts are shown as they stand: a "&" is no mnemonic marker.
        QAction* action =
            menu->addAction(QString(entry.text).replace(QLatin1Char('&'), QStringLiteral("&&")));
        action->setData(entry.id);
        action->setCheckable(entry.checked);
        action->setChecked(entry.checked);
        action->setEnabled(!entry.disabled);
    }
}

int QtPopupMenu::ShowAtCursor(const QList<MenuEntry>& entries, MenuDelivery delivery)
{
    if (entries.isEmpty())
        return 0;
    QMenu menu(owner_);
    FillMenu(&menu, entries);
    const int id = CommandDispatch::CommandOf(menu.exec(QCursor::pos()));
    if (id != 0 && delivery == MenuDelivery::ToOwner && commands_)
        commands_->Post(id);
    return id;
}
