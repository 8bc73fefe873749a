#pragma once
// A program folder for plant-group tests: a settings file of tests/data/plants/settings, plant
// files copied from tests/data/plants/items into its 植物 folder, recording window services,
// and the group built on them.
#include "FakeDialogRunner.h"
#include "FakePopupMenu.h"
#include "FakeShell.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "catalog/plant/GroupPlant.h"
#include "catalog/window/WindowServices.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

inline QString PlantData(const QString& name)
{
    return QStringLiteral(TALVANE_TEST_DATA "/plants/") + name;
}

class PlantFolder {
public:
    // settings: a folder of tests/data/plants/settings; encoding: one of items/.
    explicit PlantFolder(const QString& settings = QStringLiteral("utf16le"),
                         const QString& encoding = QStringLiteral("utf16le"))
        : encoding(encoding)
    {
        platform::ClearProfileCache();
        platform::SetProgramFolder(dir.path());
        QFile::copy(PlantData(QStringLiteral("settings/%1/峰嵐錄.txt").arg(settings)),
                    dir.file(QStringLiteral("峰嵐錄.txt")));
        QDir().mkpath(dir.file(QStringLiteral("植物")));
        table.LoadSettings();
        services.popupMenu = &menu;
        services.shell = &shell;
        services.dialogs = &dialogs;
        table.SetServices(services);
    }
    // Copies an item file into the 植物 folder; its path there.
    QString Copy(const QString& name, const QString& as = QString())
    {
        const QString to = dir.file(QStringLiteral("植物/") + (as.isEmpty() ? name : as));
        QFile::copy(PlantData(QStringLiteral("items/%1/%2").arg(encoding, name)), to);
        QFile(to).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return to;
    }
    // Init, then each named file copied and loaded in order.
    void Build(const QStringList& names)
    {
        group.Init(MainSettingsPath(), &table, dir.file(QStringLiteral("植物")));
        for (const QString& name : names)
            group.LoadItemFile(Copy(name), platform::FileTime{1});
    }

    QString encoding;
    TempDir dir;
    CGroupTable table;
    FakePopupMenu menu;
    FakeShell shell;
    FakeDialogRunner dialogs;
    WindowServices services;
    CGroupPlant group;
};
