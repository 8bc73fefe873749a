#pragma once
// EVO test fixtures: a file built from the layout tables with every field set apart from its
// neighbours, and loading of built bytes through a temporary file.
#include "EvoBuilder.h"
#include "TempDir.h"

#include "gps/evo/EVOFile.h"

#include <QString>
#include <bit>
#include <memory>

namespace evo_test {

constexpr uint32_t kMissing = 0x69045951;      // 1.0e25
constexpr uint32_t kOtherMissing = 0x69030681; // 9.9e24
constexpr int64_t kEpoch = 631065600;          // 1989-12-31 00:00 UTC in Unix seconds

inline uint32_t Bits(float value) { return std::bit_cast<uint32_t>(value); }

inline std::unique_ptr<CGPSFile> LoadEvoBytes(const QByteArray& bytes, int* recognised = nullptr)
{
    TempDir dir;
    int flag = 0;
    return CEVOFile().LoadFile(dir.write(QStringLiteral("f.evo"), bytes), recognised ? recognised : &flag);
}

inline const CEVOFile& AsEvo(const std::unique_ptr<CGPSFile>& file) { return static_cast<const CEVOFile&>(*file); }

inline QByteArray Pattern(int n, int start)
{
    QByteArray bytes;
    for (int i = 0; i < n; ++i)
        bytes.append(char(start + i));
    return bytes;
}

inline EvoWayPointFields WayPoint(const QByteArray& identifier, int32_t latitude, int32_t longitude,
                                  uint32_t heightBits)
{
    EvoWayPointFields w;
    w.head = Pattern(4, 0x10);
    w.symbol = 8246;
    w.middle = Pattern(18, 0x20);
    w.latitude = latitude;
    w.longitude = longitude;
    w.heightBits = heightBits;
    w.depthBits = Bits(-3.25f);
    w.opaqueFloatBits = Bits(7.5f);
    w.tail = Pattern(8, 0x40);
    w.identifier = identifier;
    w.comment = "comment of " + identifier;
    w.shortTexts = {QByteArray("s1"), QByteArray("abcdefg"), QByteArray(), QByteArray("x")};
    return w;
}

// Two waypoints (one Big5-named, one with a missing height), two tracks (one Big5-named) with
// times 0, invalid and real, and no routes; opaque header bytes set.
inline EvoBuilder RichEvo()
{
    EvoBuilder b;
    b.headerHead = Pattern(32, 0x61);
    b.headerTail = Pattern(4, 0x71);
    b.waypoints.push_back(WayPoint(Big5(QStringLiteral("玉山主峰")), 0x10F5C28F, 0x5566AABB, Bits(3952.5f)));
    b.waypoints.back().comment = Big5(QStringLiteral("台灣最高峰"));
    b.waypoints.push_back(WayPoint("HUT", -123456789, 0x55000000, kMissing));
    EvoTrackFields t1;
    t1.held = 0x1234;
    t1.name = Big5(QStringLiteral("八通關古道"));
    t1.points = {{0x10000000, 0x55000000, 0, Bits(100.5f), Bits(1.5f), 1},
                 {0x10000100, 0x55000100, 0xFFFFFFFF, kOtherMissing, kMissing, 0},
                 {-5, 0x55000200, 1000000000, Bits(-20.0f), kMissing, 0}};
    EvoTrackFields t2;
    t2.held = -2;
    t2.name = "T2";
    t2.points = {{1, 2, 3, Bits(4.0f), Bits(5.0f), 1}};
    b.tracks = {t1, t2};
    return b;
}

// One route of three points (link blocks between them) and one of a single point.
inline std::vector<EvoRouteFields> TwoRoutes()
{
    EvoRouteFields r1;
    r1.held = Pattern(21, 0x30);
    r1.name = "ROUTE1";
    r1.points = {WayPoint("R1P1", 1, 2, Bits(10.0f)), WayPoint("R1P2", 3, 4, Bits(20.0f)),
                 WayPoint("R1P3", 5, 6, Bits(30.0f))};
    r1.links = {Pattern(20, 0x80), Pattern(20, 0xA0)};
    EvoRouteFields r2;
    r2.name = Big5(QStringLiteral("山徑"));
    r2.points = {WayPoint("R2P1", 7, 8, kMissing)};
    return {r1, r2};
}

} // namespace evo_test
