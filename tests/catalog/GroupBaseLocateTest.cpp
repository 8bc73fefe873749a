// Locating an item through the group base: the waypoint found by the item's own waypoint name,
// by Mapping.txt or by base name, else picked; written with its neighbours into "~~TempWP.gdb"
// for the GPS software, or shown on an online map. On the program folder of
// tests/data/locate, whose all-in-one file gpsbabel wrote.
#include "FakeMessageBox.h"
#include "LocateTestSupport.h"

#include "catalog/GroupBase.h"
#include "catalog/records/RecordText.h"
#include "catalog/records/TalvaneItemRecord.h"
#include "platform/DirList.h"
#include "platform/FileTime.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <random>

namespace {

using namespace locate_test;

// A group of the peak files that reads only Name (into the record) and Waypoint (whole).
class LocateTestGroup : public CGroupBase {
public:
    LocateTestGroup()
    {
        key = QStringLiteral("Talvane");
        displayName = QStringLiteral("山");
    }
    bool LoadItemFile(const QString& path, const platform::FileTime&) override
    {
        TalvaneItemRecord* record = HasNameKey(path) ? AppendItem<TalvaneItemRecord>() : nullptr;
        if (!record || !SetRecordPath(record->path, path))
            return false;
        ReadItemString(path, QStringLiteral("Name"), record->Name);
        return true;
    }
    bool GetItemNames(int item, QString* name, QString* name2) override
    {
        const TalvaneItemRecord* record = ItemAs<TalvaneItemRecord>(item);
        if (name)
            *name = record ? FieldText(record->Name) : QString();
        if (name2)
            name2->clear();
        return false;
    }
    bool GetItemWaypointName(int item, QString* text) override
    {
        *text = ReadItemText(ItemPath(item), QStringLiteral("Waypoint"));
        return false;
    }
};

// A picker that, as the picker's own locate may, puts another file in place of the all-in-one
// file and reloads the set before it returns.
class RewritingPicker : public FakeDialogRunner {
public:
    int RunWaypointPicker(const PickerRequest& request) override
    {
        QFile::remove(file);
        QFile::copy(Fixture(QStringLiteral("rewritten.gdb")), file);
        platform::FileTime later;
        platform::GetFileWriteTime(file, &later);
        later.ns += platform::FileTime::kNsPerSecond * 3600;
        platform::SetFileWriteTime(file, later);
        request.group->LoadWaypointFile(true);
        return FakeDialogRunner::RunWaypointPicker(request);
    }
    QString file;
};

class GroupBaseLocateTest : public LocateFixture {
protected:
    void SetUp() override
    {
        LocateFixture::SetUp();
        const QString folder = platform::JoinPath(DataFolder(), u"山");
        group.Init(MainSettingsPath(), &table, folder);
        for (const platform::DirEntry& file : platform::FindFiles(folder, QStringLiteral("*.txt")))
            ASSERT_TRUE(group.LoadItemFile(file.path, file.writeTime)) << qPrintable(file.path);
    }

    // The item of an item file's base name.
    int Item(const char* base) const
    {
        for (int i = 0; i < group.ItemCount(); ++i)
            if (platform::BaseNameOf(group.ItemPath(i)) == QString::fromUtf8(base))
                return i;
        ADD_FAILURE() << base;
        return -1;
    }
    bool Locate(const char* base, int radius = 0, bool online = false)
    {
        return group.LocateItem(Item(base), radius, online);
    }

    LocateTestGroup group;
};

TEST_F(GroupBaseLocateTest, OwnNameBeforeMappingBeforeBaseName)
{
    struct Case {
        const char* item;
        const char* shown;
    } const cases[] = {
        {"a_own", "Own_Lake"},        // mapped too, and 嘉明湖1 is free
        {"b_mapped", "Mapped_Lake"},  // its own waypoint is missing; 嘉明湖1 is free
        {"c_base", "關山2"},          // the one free waypoint whose base name is 關山
        // The whole 20-character base name is the key ("abcdefghijklmno" maps to Decoy15), and
        // the value is read whole.
        {"abcdefghijklmnopqrst", "MappedLongWaypointName"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        shell.opened.clear();
        EXPECT_TRUE(Locate(c.item));
        EXPECT_EQ(Shown(), QStringList{QString::fromUtf8(c.shown)});
    }
    EXPECT_TRUE(dialogs.waypointPicks.isEmpty());
    EXPECT_TRUE(shell.edited.isEmpty());
}

TEST_F(GroupBaseLocateTest, PickerDecidesSeveralOrNoBaseNameMatches)
{
    dialogs.pick = -1;
    EXPECT_TRUE(Locate("d_many"));  // 向陽山1 and 向陽山2
    ASSERT_EQ(dialogs.waypointPicks.size(), 1);
    const PickerRequest& request = dialogs.waypointPicks[0];
    EXPECT_EQ(request.group, &group);
    EXPECT_EQ(request.item, Item("d_many"));
    EXPECT_EQ(request.mappingFile, root + QStringLiteral("/data/Mapping.txt"));
    EXPECT_EQ(request.waypoints, group.GetWaypointSet());
    EXPECT_TRUE(shell.opened.isEmpty()) << "nothing picked, nothing shown";

    dialogs.pick = 5;  // 向陽山2
    EXPECT_TRUE(Locate("d_many"));
    EXPECT_EQ(Shown(), QStringList{QStringLiteral("向陽山2")});

    dialogs.pick = 6;  // a waypoint picked for an item without any match is shown at once
    shell.opened.clear();
    EXPECT_TRUE(Locate("i_nowhere"));
    EXPECT_EQ(dialogs.waypointPicks.size(), 3);
    EXPECT_EQ(Shown(), QStringList{QStringLiteral("Centre")});
}

TEST_F(GroupBaseLocateTest, ShiftOpensThePickerEvenForOneBaseNameMatch)
{
    keyboard.shiftDown = true;
    dialogs.pick = -1;
    EXPECT_TRUE(Locate("c_base"));
    EXPECT_EQ(dialogs.waypointPicks.size(), 1);
    EXPECT_TRUE(shell.opened.isEmpty());

    // The item's own name and its mapping still decide without the picker.
    EXPECT_TRUE(Locate("a_own"));
    EXPECT_TRUE(Locate("b_mapped"));
    EXPECT_EQ(dialogs.waypointPicks.size(), 1);
    EXPECT_EQ(shell.opened.size(), 2);
}

TEST_F(GroupBaseLocateTest, PickerThatReplacesTheFileIsReadFromTheFreshSet)
{
    RewritingPicker picker;
    picker.file = AllInOneFile();
    table.SetServices(WindowServices{.mainWindow = &window, .dialogs = &picker, .shell = &shell});

    picker.pick = 1;  // New_Second of the new file
    EXPECT_TRUE(Locate("i_nowhere"));
    EXPECT_EQ(Shown(), QStringList{QStringLiteral("New_Second")});
    EXPECT_EQ(group.GetWaypointSet()->count, 2);

    // An index the old file held but the new one does not: nothing is shown.
    QFile::remove(AllInOneFile());
    QFile::copy(Fixture(QStringLiteral("program/data/!台灣的山.gdb")), AllInOneFile());
    shell.opened.clear();
    picker.pick = 5;
    EXPECT_TRUE(Locate("i_nowhere"));
    EXPECT_TRUE(Locate("i_nowhere", 0, true));
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST_F(GroupBaseLocateTest, NeighboursWithinTheRadius)
{
    // NearNE lies 0.03 degrees east and north of Centre (about 0.042), FarNE 0.04 and 0.04
    // (about 0.057); every other waypoint more than 0.1 degrees away.
    struct Case {
        int radius;
        QStringList shown;
    } const cases[] = {
        {0, {QStringLiteral("Centre")}},
        {5, {QStringLiteral("Centre"), QStringLiteral("NearNE")}},
        {10, {QStringLiteral("Centre"), QStringLiteral("NearNE"), QStringLiteral("FarNE")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.radius);
        EXPECT_TRUE(Locate("e_centre", c.radius));
        EXPECT_EQ(Shown(), c.shown);
    }
}

TEST_F(GroupBaseLocateTest, TempFileReadBackByGpsBabel)
{
    REQUIRE_GPSBABEL();
    ASSERT_TRUE(Locate("e_centre", 10));
    const std::optional<QStringList> points = ReadWithGpsBabel(TempFile());
    ASSERT_TRUE(points);
    // Names and coordinates as locate.gpx gives them.
    EXPECT_EQ(*points, (QStringList{QStringLiteral("Centre 23.000000 121.000000"),
                                    QStringLiteral("NearNE 23.030000 121.030000"),
                                    QStringLiteral("FarNE 23.040000 121.040000")}));
    ASSERT_TRUE(Locate("c_base"));
    EXPECT_EQ(ReadWithGpsBabel(TempFile()), QStringList{QStringLiteral("關山2 23.700000 121.300000")})
        << "an earlier file is replaced";
}

TEST_F(GroupBaseLocateTest, FileReadOnceWhileUnchanged)
{
    EXPECT_TRUE(Locate("a_own"));
    EXPECT_TRUE(Locate("c_base"));
    EXPECT_EQ(window.openedGpsFiles, QStringList{AllInOneFile()});

    // Local.txt names another file with the same time: that file is read.
    const QString other = root + QStringLiteral("/other.gdb");
    ASSERT_TRUE(QFile::copy(Fixture(QStringLiteral("rewritten.gdb")), other));
    platform::FileTime time;
    ASSERT_TRUE(platform::GetFileWriteTime(AllInOneFile(), &time));
    ASSERT_TRUE(platform::SetFileWriteTime(other, time));
    ASSERT_TRUE(platform::WriteProfileString(LocalSettingsPath(), QStringLiteral("GPS"),
                                             QStringLiteral("AllWPFile_Talvane"),
                                             QStringLiteral("other.gdb")));
    dialogs.pick = 0;
    EXPECT_TRUE(Locate("a_own"));
    EXPECT_EQ(window.openedGpsFiles, (QStringList{AllInOneFile(), other}));
    EXPECT_EQ(Shown(), QStringList{QStringLiteral("New_First")}) << "picked from the new set";

    // A new time reloads the same file.
    time.ns += platform::FileTime::kNsPerSecond;
    ASSERT_TRUE(platform::SetFileWriteTime(other, time));
    EXPECT_TRUE(Locate("a_own"));
    EXPECT_EQ(window.openedGpsFiles.size(), 3);
}

TEST_F(GroupBaseLocateTest, ItemOutsideTheItemsLocatesNothing)
{
    for (int item : {-1, group.ItemCount(), 20000, 60000}) {
        SCOPED_TRACE(item);
        EXPECT_FALSE(group.LocateItem(item, 10, false));
    }
    EXPECT_TRUE(window.openedGpsFiles.isEmpty());
    EXPECT_TRUE(dialogs.waypointPicks.isEmpty());
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST_F(GroupBaseLocateTest, NoAllInOneFileDoesNothing)
{
    ASSERT_TRUE(QFile::remove(AllInOneFile()));
    EXPECT_TRUE(Locate("a_own"));
    EXPECT_TRUE(Locate("i_nowhere"));
    EXPECT_EQ(window.openedGpsFiles.size(), 2) << "a file that did not open is tried again";
    EXPECT_TRUE(dialogs.waypointPicks.isEmpty());
    EXPECT_TRUE(shell.opened.isEmpty());
}

// Bytes that no GPS format reads, the same at every run.
QByteArray RandomBytes(int size)
{
    std::mt19937 generator(20240611);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes)
        byte = char(generator() & 0xFF);
    return bytes;
}

TEST_F(GroupBaseLocateTest, AnUnreadableAllInOneFileIsReportedOnceWhileUnchanged)
{
    FakeMessageBox messages;
    table.SetServices(WindowServices{.mainWindow = &window, .messageBox = &messages,
                                     .keyboard = &keyboard, .dialogs = &dialogs, .shell = &shell});
    const QByteArray sound = ReadBytes(AllInOneFile());
    ASSERT_GT(sound.size(), 400);
    const auto replace = [&](const QByteArray& bytes, int secondsLater) {
        QFile file(AllInOneFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
        file.close();
        platform::FileTime time;
        ASSERT_TRUE(platform::GetFileWriteTime(AllInOneFile(), &time));
        time.ns += platform::FileTime::kNsPerSecond * secondsLater;
        ASSERT_TRUE(platform::SetFileWriteTime(AllInOneFile(), time));
    };

    replace(RandomBytes(4096), 10);
    // Every locate and every refresh of the set tries the file again; it is reported once.
    for (const char* item : {"a_own", "c_base", "d_many", "a_own"})
        EXPECT_TRUE(Locate(item));
    group.LoadWaypointFile(true);
    EXPECT_EQ(window.openedGpsFiles.size(), 5);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(messages.shown[0].text.contains(AllInOneFile())) << qPrintable(messages.shown[0].text);
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_TRUE(dialogs.waypointPicks.isEmpty());

    // A GDB file whose first waypoint record claims only three bytes, so that its name has no
    // end: the message names the format it failed as.
    QByteArray damaged = sound;
    const qsizetype record = damaged.indexOf("WOwn_Lake");
    ASSERT_GT(record, 4);
    qToLittleEndian<quint32>(3, damaged.data() + record - 4);
    replace(damaged, 20);
    EXPECT_TRUE(Locate("a_own"));
    EXPECT_TRUE(Locate("a_own"));
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(messages.shown[1].text.contains(AllInOneFile()));
    EXPECT_TRUE(messages.shown[1].text.contains(QStringLiteral("GDB"))) << qPrintable(messages.shown[1].text);

    // A sound file again is read and says nothing; no file at all says nothing either.
    replace(sound, 30);
    EXPECT_TRUE(Locate("a_own"));
    EXPECT_EQ(Shown(), QStringList{QStringLiteral("Own_Lake")});
    ASSERT_TRUE(QFile::remove(AllInOneFile()));
    EXPECT_TRUE(Locate("a_own"));
    EXPECT_EQ(messages.shown.size(), 2);
}

TEST_F(GroupBaseLocateTest, FailedSaveOpensNothing)
{
    // Where the file should go stands a folder: nothing is saved, and nothing older is shown.
    ASSERT_TRUE(QDir().mkpath(TempFile()));
    EXPECT_TRUE(Locate("e_centre", 10));
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST_F(GroupBaseLocateTest, UnwritableProgramFolderFallsBack)
{
    TempDir runtime;
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    // A program folder that cannot take files (as root, a missing folder is the one sure way).
    const QString allInOne = AllInOneFile();
    window.opener = [allInOne](const QString&) {
        return CGPSFileManager().OpenFile(allInOne).release();
    };
    platform::SetProgramFolder(root + QStringLiteral("/missing"));
    EXPECT_TRUE(Locate("e_centre"));
    qputenv("XDG_RUNTIME_DIR", savedRuntime);
    const QString fallback = runtime.path() + u'/' + kTempFile;
    EXPECT_EQ(shell.opened, QStringList{fallback});
    EXPECT_EQ(WaypointNames(fallback), QStringList{QStringLiteral("Centre")});
}

TEST_F(GroupBaseLocateTest, OnlineMapAtTheWaypoint)
{
    EXPECT_TRUE(Locate("g_online", 10, true));
    EXPECT_TRUE(Locate("h_southwest", 0, true));
    EXPECT_EQ(shell.opened,
              (QStringList{QStringLiteral("https://www.openstreetmap.org/"
                                          "?mlat=25.000000&mlon=121.500000"
                                          "#map=15/25.000000/121.500000"),
                           QStringLiteral("https://www.openstreetmap.org/"
                                          "?mlat=-33.250000&mlon=-70.500000"
                                          "#map=15/-33.250000/-70.500000")}));
    EXPECT_FALSE(QFile::exists(TempFile())) << "no GDB file for the online map";
}

TEST_F(GroupBaseLocateTest, MissingServicesSkipTheirSteps)
{
    table.SetServices(WindowServices{.mainWindow = &window});
    EXPECT_TRUE(Locate("c_base", 5));  // no keyboard: Shift is not held
    EXPECT_EQ(WaypointNames(TempFile()), QStringList{QStringLiteral("關山2")}) << "written, not opened";
    EXPECT_TRUE(Locate("d_many"));      // no picker
    EXPECT_TRUE(Locate("g_online", 0, true));
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_TRUE(dialogs.waypointPicks.isEmpty());
}

} // namespace
