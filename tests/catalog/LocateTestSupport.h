#pragma once
// The program folder of the locating tests (tests/data/locate/program, written by
// make_fixtures.py there: peak files and Mapping.txt in UTF-16LE, the all-in-one file
// "!台灣的山.gdb" by gpsbabel), the window services locating uses, and readers of the GDB file
// that locating writes: the format manager, and gpsbabel as an independent one.
#include "FakeDialogRunner.h"
#include "FakeKeyboard.h"
#include "FakeMainWindow.h"
#include "FakeShell.h"
#include "GpsBabel.h"
#include "GpxTestSupport.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "gps/GPSFileManager.h"
#include "gps/GPSWayPointSet.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <optional>

namespace locate_test {

inline const QString kTempFile = QStringLiteral("~~TempWP.gdb");

inline QString Fixture(const QString& name)
{
    return QStringLiteral(TALVANE_TEST_DATA "/locate/") + name;
}

// The names of the waypoints of a GPS file, in file order; empty when it does not open.
inline QStringList WaypointNames(const QString& path)
{
    QStringList names;
    const std::unique_ptr<CGPSFile> file = CGPSFileManager().OpenFile(path);
    std::vector<GPSWayPointRecordW> records;
    if (file && ReadWayPoints(*file, &records))
        for (const GPSWayPointRecordW& r : records)
            names << gps::FieldText(r.name, GPSWayPointRecordW::kNameSize).toString();
    return names;
}

// The waypoints of a GDB file as gpsbabel reads them, in file order, one a text: "name latitude
// longitude", the degrees with six decimals; nothing when gpsbabel fails.
inline std::optional<QStringList> ReadWithGpsBabel(const QString& path)
{
    GpxContent content;
    if (!GpsbabelReading(path, &content, QStringLiteral("gdb")))
        return std::nullopt;
    QStringList points;
    for (const GpxWaypoint& w : content.waypoints)
        points << w.name + u' ' + QString::number(w.position.lat, 'f', 6) + u' ' +
                      QString::number(w.position.lon, 'f', 6);
    return points;
}

// A copy of the program folder, its settings read, the window services in place; the main
// window opens GPS files through a format manager and counts the opens.
class LocateFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = dir.copyTree(Fixture(QStringLiteral("program")), QStringLiteral("program"));
        platform::ClearProfileCache();
        platform::SetProgramFolder(root);
        table.LoadSettings();
        window.OpenThroughFormatManager();
        table.SetServices(WindowServices{.mainWindow = &window, .keyboard = &keyboard,
                                         .dialogs = &dialogs, .shell = &shell});
    }

    QString AllInOneFile() const { return root + QStringLiteral("/data/!台灣的山.gdb"); }
    QString TempFile() const { return root + u'/' + kTempFile; }
    // What the last locate handed to the GPS software: the file was opened, once, and holds
    // these waypoints.
    QStringList Shown() const
    {
        if (shell.opened.isEmpty() || shell.opened.last() != TempFile())
            return {};
        return WaypointNames(TempFile());
    }

    TempDir dir;
    QString root;
    FakeMainWindow window;
    FakeKeyboard keyboard;
    FakeDialogRunner dialogs;
    FakeShell shell;
    CGroupTable table;
};

} // namespace locate_test
