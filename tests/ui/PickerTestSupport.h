#pragma once
// The program folder of the waypoint and track search dialog tests (tests/data/pickers/program,
// written by make_fixtures.py there: item files in UTF-16LE, Mapping.txt in Big5, the all-in-one
// files by gpsbabel), copied to a temporary folder with the window services in place: GPS files
// open through the format manager, the shell records what it is asked to open.
#include "FakeMainWindow.h"
#include "FakeShell.h"
#include "FindDialogSupport.h"
#include "GpsBabel.h"
#include "GpxTestSupport.h"
#include "TempDir.h"
#include "catalog/GroupBase.h"
#include "catalog/GroupTable.h"
#include "catalog/window/WindowServices.h"
#include "gps/GPSFileManager.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QFile>
#include <gtest/gtest.h>

namespace picker_test {

inline QString Fixture(const QString& name)
{
    return QStringLiteral(TALVANE_TEST_DATA "/pickers/") + name;
}

inline QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The lines of a file's bytes, split at CR LF.
inline QList<QByteArray> Lines(const QByteArray& bytes)
{
    return bytes.split('\n');
}

class PickerFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = dir.copyTree(Fixture(QStringLiteral("program")), QStringLiteral("program"));
        platform::ClearProfileCache();
        platform::SetProgramFolder(root);
        ASSERT_TRUE(table.LoadSettings());
        window.OpenThroughFormatManager();
        table.SetServices(WindowServices{.mainWindow = &window, .shell = &shell});
    }

    QString Data(const QString& name) const { return root + QStringLiteral("/data/") + name; }
    QString MappingFile() const { return Data(QStringLiteral("Mapping.txt")); }

    // The item of a group whose file has this base name; -1 (and a failure) when none.
    static int Item(const CGroupBase* group, const QString& base)
    {
        for (int i = 0; group && i < group->ItemCount(); ++i)
            if (platform::BaseNameOf(group->ItemPath(i)) == base)
                return i;
        ADD_FAILURE() << "no item " << qPrintable(base);
        return -1;
    }

    // The row showing name; -1 when none does.
    static int RowOf(const CTemplateDialog& dialog, int listId, const QString& name)
    {
        return int(find_test::RowTexts(dialog, listId).indexOf(name));
    }

    TempDir dir;
    QString root;
    FakeMainWindow window;
    FakeShell shell;
    CGroupTable table;
};

} // namespace picker_test
