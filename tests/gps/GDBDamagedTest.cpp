// GDB files built byte by byte: text encodings of older versions, record order, and damage.
#include "GpsTestSupport.h"
#include "TempDir.h"

#include "gps/ByteCursor.h"
#include "gps/gdb/GDBFile.h"
#include "gps/GPSFileManager.h"
#include "gps/GPSText.h"
#include "platform/CodePage.h"

#include <gtest/gtest.h>

namespace {

struct Opened {
    std::unique_ptr<CGPSFile> file;
    int recognised = 0;
};

Opened Load(const QByteArray& bytes)
{
    TempDir dir;
    Opened result;
    result.file = CGDBFile().LoadFile(dir.write("f.gdb", bytes), &result.recognised);
    return result;
}

TEST(GDBDamaged, Version108TextsAreBig5InBothRecordKinds)
{
    const QString name = u"雪山北峰"_qs, description = u"志佳陽線"_qs;
    auto opened = Load(GdbBuilder(108).WayPoint(platform::ToAnsi(name), platform::ToAnsi(description)).bytes);
    ASSERT_TRUE(opened.file);
    GPSWayPointRecordW wide{};
    ASSERT_EQ(opened.file->GetWayPointsW(&wide), 1);
    EXPECT_EQ(gps::FieldText(wide.name, 64), name);
    EXPECT_EQ(gps::FieldText(wide.comment, 128), description);
    EXPECT_DOUBLE_EQ(wide.altitude, 321.5);
    EXPECT_EQ(wide.latitude, 100);
    EXPECT_EQ(wide.longitude, -200);
    GPSWayPointRecord narrow{};
    ASSERT_EQ(opened.file->GetWayPoints(&narrow), 1);
    EXPECT_EQ(QByteArray(narrow.name), platform::ToAnsi(name));
    EXPECT_EQ(QByteArray(narrow.comment), platform::ToAnsi(description));
}

TEST(GDBDamaged, ListsEndAtTheFirstRecordOutOfOrder)
{
    // Tracks before waypoints: the waypoint list is empty, the later waypoint ignored.
    auto opened = Load(GdbBuilder(109).Track("T1", 2, 2).WayPoint("W1", "").bytes);
    ASSERT_TRUE(opened.file);
    EXPECT_EQ(opened.file->GetWayPointCount(), 0);
    EXPECT_EQ(opened.file->GetRouteCount(), 0);
    EXPECT_EQ(opened.file->GetTrackCount(), 1);
    EXPECT_EQ(opened.file->GetTrackPointTotal(), 2);
}

TEST(GDBDamaged, AFrameLongerThanTheFileEndsTheListSuccessfully)
{
    GdbBuilder gdb(109);
    gdb.WayPoint("A", "").WayPoint("B", "").Record('W', "xyz", 1000);
    auto opened = Load(gdb.bytes);
    ASSERT_TRUE(opened.file);
    EXPECT_EQ(opened.file->GetWayPointCount(), 2);
    // Zero length ends it too.
    opened = Load(GdbBuilder(109).WayPoint("A", "").Record('W', "", 0).WayPoint("B", "").bytes);
    ASSERT_TRUE(opened.file);
    EXPECT_EQ(opened.file->GetWayPointCount(), 1);
}

TEST(GDBDamaged, MapsAndRoutesAfterTheTracks)
{
    const QByteArray map = QByteArray(8, '\x01') + QByteArray("Topo\0Name\0Region\0", 17) + "1234"; // short tail
    const QByteArray route = QByteArray("R1\0", 3) + QByteArray(62, '\x02');
    GdbBuilder gdb(109);
    gdb.WayPoint("A", "").Record('R', route).Record('R', route + "more").Track("T", 0, 0).Record('L', map);
    auto opened = Load(gdb.bytes);
    ASSERT_TRUE(opened.file);
    EXPECT_EQ(opened.file->GetWayPointCount(), 1);
    EXPECT_EQ(opened.file->GetRouteCount(), 2);
    EXPECT_EQ(opened.file->GetTrackCount(), 1);
    EXPECT_EQ(opened.file->GetMapCount(), 1);
    // A route or map shorter than its fields fails the file.
    for (const auto& [type, payload] : {std::pair{'R', route.first(40)}, std::pair{'L', map.first(20)}}) {
        opened = Load(GdbBuilder(109).Record(type, payload).bytes);
        EXPECT_FALSE(opened.file) << type;
        EXPECT_EQ(opened.recognised, 1);
    }
}

TEST(GDBDamaged, ARecordCutShortFailsAsRecognised)
{
    // Without its time-defined byte.
    auto opened = Load(GdbBuilder(109).WayPoint("A", "", 1).bytes);
    EXPECT_FALSE(opened.file);
    EXPECT_EQ(opened.recognised, 1);
    // A name without its zero byte inside the payload.
    opened = Load(GdbBuilder(109).Record('W', "ABC").bytes);
    EXPECT_FALSE(opened.file);
    EXPECT_EQ(opened.recognised, 1);
}

TEST(GDBDamaged, TrackPointCountsBeyondThePayloadFailBeforeAllocating)
{
    for (int32_t count : {3, -1, 0x7FFFFFFF, int32_t(0x80000000)}) {
        SCOPED_TRACE(count);
        auto opened = Load(GdbBuilder(109).Track("T", count, 2).bytes);
        EXPECT_FALSE(opened.file);
        EXPECT_EQ(opened.recognised, 1);
    }
}

TEST(GDBDamaged, BadSignatureOrHeadersAreNotRecognised)
{
    QByteArray bytes = GdbBuilder(109).WayPoint("A", "").bytes;
    QByteArray wrongSignature = bytes;
    wrongSignature[0] = 'm';
    QByteArray noMarker = bytes;
    noMarker[noMarker.indexOf("MapSource")] = 'm';
    QByteArray headerTypes = bytes;
    headerTypes[10] = 'A'; // the 'D' header's type letter
    // The 'A' header without its two texts.
    QByteArray shortA = CGDBFile::kSignature.toByteArray();
    ByteWriter out(&shortA);
    CMPSChunkHeader44::Write(out, 109);
    out.WriteUInt32(6);
    out.WriteByte('A');
    out.WriteInt16(613);
    out.WriteCString("SQA");
    out.WriteBytes(CGDBFile::kMarker);
    for (const QByteArray& damaged : {wrongSignature, noMarker, headerTypes, shortA, QByteArray("MsRcf")}) {
        auto opened = Load(damaged);
        EXPECT_FALSE(opened.file);
        EXPECT_EQ(opened.recognised, 0);
    }
    EXPECT_FALSE(Load(QByteArray()).file);
}

TEST(GDBDamaged, ADamagedGdbIsNotTriedAsAnotherFormat)
{
    TempDir dir;
    const QByteArray damaged = GdbBuilder(109).WayPoint("A", "", 1).bytes;
    const QByteArray sound = GdbBuilder(109).WayPoint("A", "").bytes;
    CGPSFileManager manager;
    EXPECT_FALSE(manager.OpenFile(dir.write("a.gdb", damaged)));
    EXPECT_FALSE(manager.OpenFile(dir.write("a.txt", damaged)));
    // Any extension, or none, reaches the GDB reader.
    for (const char* name : {"b.GDB", "b.mps", "b.txt", "b", "dir.x/b"}) {
        auto file = manager.OpenFile(dir.write(name, sound));
        ASSERT_TRUE(file) << name;
        EXPECT_EQ(file->GetWayPointCount(), 1);
    }
    EXPECT_FALSE(manager.OpenFile(dir.file("missing.gdb")));
}

} // namespace
