#pragma once
// A popup menu that records the menus shown and "chooses" a preset command id.
#include "catalog/window/IPopupMenu.h"

#include <QList>
#include <QStringList>

class FakePopupMenu : public IPopupMenu {
public:
    struct Shown {
        QList<MenuEntry> entries;
        MenuDelivery delivery;
    };

    int ShowAtCursor(const QList<MenuEntry>& entries, MenuDelivery delivery) override
    {
        shown.append(Shown{entries, delivery});
        for (const MenuEntry& e : entries)
            if (!e.separator && !e.disabled && e.id == choice) {
                if (delivery == MenuDelivery::ToOwner)
                    delivered.append(choice);
                return choice;
            }
        return 0;
    }

    // The entries of the last menu shown, as "id text".
    QStringList LastEntries() const
    {
        QStringList texts;
        if (!shown.isEmpty())
            for (const MenuEntry& e : shown.last().entries)
                texts << QString::number(e.id) + QLatin1Char(' ') + e.text;
        return texts;
    }

    QList<Shown> shown;
    int choice = 0;           // the id to choose when the menu offers it enabled
    QList<int> delivered;     // commands that reached the owner
};
