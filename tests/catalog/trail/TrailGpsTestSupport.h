#pragma once
// The program folder of the trail locating and export tests (tests/data/trailgps/program,
// written by make_fixtures.py there: trail files and Mapping.txt in UTF-16LE and Big5, the
// all-in-one file "!台灣的步道2.gdb" by gpsbabel), the window services the trail group uses,
// and gpsbabel's reading of the GDB file it writes.
#include "FakeDialogRunner.h"
#include "FakeItemList.h"
#include "FakeKeyboard.h"
#include "FakeMainWindow.h"
#include "FakeMessageBox.h"
#include "FakeShell.h"
#include "GpsBabel.h"
#include "GpxTestSupport.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "catalog/trail/GroupTrail.h"
#include "gps/GPSFileManager.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <optional>

namespace trail_test {

inline const QString kTempFile = QStringLiteral("~~TempOT.gdb");
// Positions agree to well within a 32-bit angle's resolution and gpsbabel's printed digits.
constexpr double kDegreeTolerance = 1e-5;

inline QString Fixture(const QString& name)
{
    return QStringLiteral(TALVANE_TEST_DATA "/trailgps/") + name;
}

// The names of the tracks in what gpsbabel read.
inline QStringList TrackNames(const GpxContent& content)
{
    QStringList names;
    for (const GpxTrack& t : content.tracks)
        names << t.name;
    return names;
}

inline QStringList WaypointNames(const GpxContent& content)
{
    QStringList names;
    for (const GpxWaypoint& w : content.waypoints)
        names << w.name;
    return names;
}

inline const GpxTrack* FindTrack(const GpxContent& content, const QString& name)
{
    for (const GpxTrack& t : content.tracks)
        if (t.name == name)
            return &t;
    return nullptr;
}

// Every point of a track, in order, at the same position.
inline void ExpectSamePoints(const GpxTrack& shown, const GpxTrack& source)
{
    SCOPED_TRACE(qPrintable(source.name));
    ASSERT_EQ(shown.points.size(), source.points.size());
    for (std::size_t i = 0; i < source.points.size(); ++i) {
        EXPECT_NEAR(shown.points[i].lat, source.points[i].lat, kDegreeTolerance) << i;
        EXPECT_NEAR(shown.points[i].lon, source.points[i].lon, kDegreeTolerance) << i;
    }
}

// A copy of the program folder, its settings read, the window services in place; the main
// window opens GPS files through a format manager and counts the opens. The trail group is
// the table's first group, the old-trail group its second.
class TrailGpsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = dir.copyTree(Fixture(QStringLiteral("program")), QStringLiteral("program"));
        platform::ClearProfileCache();
        platform::SetProgramFolder(root);
        ASSERT_TRUE(table.LoadSettings());
        window.OpenThroughFormatManager();
        table.SetServices(WindowServices{.mainWindow = &window, .messageBox = &messages,
                                         .keyboard = &keyboard, .dialogs = &dialogs,
                                         .shell = &shell});
        trails = dynamic_cast<CGroupTrail*>(table.GetGroup(0, nullptr));
        ASSERT_NE(trails, nullptr);
    }

    QString AllInOneFile() const { return root + QStringLiteral("/data/!台灣的步道2.gdb"); }
    QString TempFile() const { return root + u'/' + kTempFile; }
    QString ItemFile(const char* base) const
    {
        return root + QStringLiteral("/data/步道/") + QString::fromUtf8(base) + QStringLiteral(".txt");
    }

    int Item(CGroupTrail* group, const char* base) const
    {
        for (int i = 0; i < group->ItemCount(); ++i)
            if (platform::BaseNameOf(group->ItemPath(i)) == QString::fromUtf8(base))
                return i;
        ADD_FAILURE() << "no item " << base;
        return -1;
    }
    // A list of the named trails, one row each in the given order.
    void ListRows(FakeItemList* list, std::initializer_list<const char*> bases,
                  CGroupTrail* group = nullptr)
    {
        group = group ? group : trails;
        for (const char* base : bases)
            list->InsertRow(list->RowCount(), QString::fromUtf8(base), quint32(Item(group, base)));
    }
    bool Locate(const char* base, int radius, bool online, CGroupTrail* group = nullptr)
    {
        group = group ? group : trails;
        FakeItemList list;
        ListRows(&list, {base}, group);
        return group->LocateRow(&list, 0, radius, online);
    }
    // What gpsbabel reads from the file last handed to the GPS software; nothing when no file
    // was handed over or gpsbabel fails.
    std::optional<GpxContent> Shown() const
    {
        GpxContent content;
        if (shell.opened.isEmpty() || shell.opened.last() != TempFile()
            || !GpsbabelReading(TempFile(), &content, QStringLiteral("gdb")))
            return std::nullopt;
        return content;
    }
    QStringList ShownTracks() const
    {
        const std::optional<GpxContent> content = Shown();
        return content ? TrackNames(*content) : QStringList{};
    }
    // Names a file (relative to the program folder) as a group's all-in-one file.
    void UseAllInOneFile(const QString& key, const QString& relative)
    {
        ASSERT_TRUE(platform::WriteProfileString(LocalSettingsPath(), QStringLiteral("GPS"), key,
                                                 relative));
    }

    TempDir dir;
    QString root;
    FakeMainWindow window;
    FakeMessageBox messages;
    FakeKeyboard keyboard;
    FakeDialogRunner dialogs;
    FakeShell shell;
    CGroupTable table;
    CGroupTrail* trails = nullptr;
};

} // namespace trail_test
