// Exporting the listed trails' tracks into one GDB file (Skip, duplicates reported), and
// writing the tracks found into the trail files' Track.
#include "TrailGpsTestSupport.h"

#include "catalog/records/RecordText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

using namespace trail_test;

QByteArray Utf16File(const QString& text)
{
    QByteArray bytes("\xFF\xFE", 2);
    bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    return bytes;
}

class TrailExportTest : public TrailGpsFixture {
protected:
    QByteArray Bytes(const char* trail) const { return ReadBytes(ItemFile(trail)); }
    QString RecordTrack(const char* trail) const
    {
        const TrailItemRecord* record = trails->Record(Item(trails, trail));
        return record ? FieldText(record->Track) : QStringLiteral("(none)");
    }
};

TEST_F(TrailExportTest, ExportWritesEachFoundTrackOnceAndReportsDuplicates)
{
    REQUIRE_GPSBABEL();
    FakeItemList list;
    ListRows(&list, {"a_own", "i_dup", "j_skip", "k_skipown", "c_base", "l_big5", "d_many",
                     "e_centre", "h_nowhere"});
    EXPECT_TRUE(trails->ExportWaypoints(&list));
    EXPECT_EQ(messages.ExclamationTexts(),
              (QStringList{QStringLiteral("航跡[Own_Track]重複使用(重複步道,自有步道)！"),
                           QStringLiteral("航跡[合歡步道1]重複使用(合歡步道,合歡步道)！")}));
    const std::optional<GpxContent> shown = Shown();
    ASSERT_TRUE(shown);
    // j_skip is left out by its mapping; k_skipown's own Track counts before it. d_many takes
    // the last of its two base-name matches.
    EXPECT_EQ(TrackNames(*shown), (QStringList{"Own_Track", "NearNE", "合歡步道1", "向陽步道2",
                                               "Centre", "CentreSpur"}));
    EXPECT_EQ(WaypointNames(*shown), (QStringList{"OwnHut", "NearHut", "CentreHut", "CentreSpring"}));
    GpxContent source;
    ASSERT_TRUE(GpsbabelReading(AllInOneFile(), &source, QStringLiteral("gdb")));
    for (const GpxTrack& track : shown->tracks) {
        const GpxTrack* from = FindTrack(source, track.name);
        ASSERT_NE(from, nullptr);
        ExpectSamePoints(track, *from);
    }
}

TEST_F(TrailExportTest, ExportWithoutRowsOrTracks)
{
    FakeItemList empty;
    EXPECT_FALSE(trails->ExportWaypoints(&empty));
    EXPECT_FALSE(trails->ExportWaypoints(nullptr));
    FakeItemList list;
    ListRows(&list, {"h_nowhere"});
    EXPECT_TRUE(trails->ExportWaypoints(&list)) << "no row resolved: nothing to write";
    UseAllInOneFile(trails->GpsKey(), QStringLiteral("data/missing.gdb"));
    ListRows(&list, {"a_own"});
    EXPECT_TRUE(trails->ExportWaypoints(&list));
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_FALSE(QFile::exists(TempFile()));
}

TEST_F(TrailExportTest, SyncWritesTrackWhereItDiffers)
{
    const QByteArray unchanged[] = {Bytes("a_own"), Bytes("d_many"), Bytes("j_skip"),
                                    Bytes("h_nowhere")};
    platform::FileTime ownTime;
    ASSERT_TRUE(platform::GetFileWriteTime(ItemFile("a_own"), &ownTime));
    FakeItemList list;
    ListRows(&list, {"a_own", "b_mapped", "c_base", "l_big5", "d_many", "j_skip", "h_nowhere"});
    EXPECT_TRUE(trails->SyncWaypoints(&list));

    // The new key after the section's last line, in the file's own encoding.
    EXPECT_EQ(Bytes("b_mapped"),
              Utf16File(QStringLiteral("[Trail]\r\nName=對應步道\r\nTrack=Mapped_Track\r\n")));
    EXPECT_EQ(Bytes("c_base"),
              Utf16File(QStringLiteral("[Trail]\r\nName=合歡步道\r\nTrack=合歡步道1\r\n")));
    // Big5: 合歡步道 a6 58 c5 77 a8 42 b9 44, 南投 ab 6e a7 eb.
    EXPECT_EQ(Bytes("l_big5"), QByteArray("[Trail]\r\nName=\xA6\x58\xC5\x77\xA8\x42\xB9\x44\r\n"
                                          "Region=\xAB\x6E\xA7\xEB\r\n"
                                          "Track=\xA6\x58\xC5\x77\xA8\x42\xB9\x44" "1\r\n"));
    EXPECT_EQ(RecordTrack("b_mapped"), QStringLiteral("Mapped_Track"));
    EXPECT_EQ(RecordTrack("c_base"), QStringLiteral("合歡步道1"));
    EXPECT_EQ(RecordTrack("l_big5"), QStringLiteral("合歡步道1"));

    // Equal, two base-name matches, Skip, nothing found: left alone.
    EXPECT_EQ(Bytes("a_own"), unchanged[0]);
    EXPECT_EQ(Bytes("d_many"), unchanged[1]);
    EXPECT_EQ(Bytes("j_skip"), unchanged[2]);
    EXPECT_EQ(Bytes("h_nowhere"), unchanged[3]);
    platform::FileTime ownAfter;
    ASSERT_TRUE(platform::GetFileWriteTime(ItemFile("a_own"), &ownAfter));
    EXPECT_EQ(ownAfter, ownTime) << "an equal value is not rewritten";
    EXPECT_EQ(RecordTrack("d_many"), QString());
    EXPECT_EQ(RecordTrack("j_skip"), QString());
}

TEST_F(TrailExportTest, SyncReportsAFailedWriteAndKeepsTheRecord)
{
    // The trail's file replaced by a folder after loading: nothing can be written there.
    const QString file = ItemFile("b_mapped");
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkdir(file));
    platform::ClearProfileCache();
    FakeItemList list;
    ListRows(&list, {"b_mapped", "c_base"});
    EXPECT_FALSE(trails->SyncWaypoints(&list));
    EXPECT_TRUE(QFileInfo(file).isDir());
    EXPECT_EQ(RecordTrack("b_mapped"), QString());
    EXPECT_EQ(RecordTrack("c_base"), QStringLiteral("合歡步道1")) << "the other rows are written";
}

TEST_F(TrailExportTest, SyncWithoutRowsOrTracks)
{
    FakeItemList empty;
    EXPECT_FALSE(trails->SyncWaypoints(&empty));
    UseAllInOneFile(trails->GpsKey(), QStringLiteral("data/missing.gdb"));
    const QByteArray before = Bytes("b_mapped");
    FakeItemList list;
    ListRows(&list, {"b_mapped"});
    EXPECT_TRUE(trails->SyncWaypoints(&list));
    EXPECT_EQ(Bytes("b_mapped"), before);
}

} // namespace
