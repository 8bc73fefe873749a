#pragma once
// WTR test fixtures: a file built from the layout tables with every field set apart from its
// neighbours, and loading of built bytes through a temporary file.
#include "TempDir.h"
#include "WtrBuilder.h"

#include "gps/wtr/WTRFile.h"

#include <QString>
#include <bit>
#include <memory>

inline uint32_t FloatBits(float value) { return std::bit_cast<uint32_t>(value); }

constexpr uint32_t kMissingHeight = 0x69045951;      // 1.0e25
constexpr uint32_t kOtherMissingHeight = 0x69030681; // 9.9e24
constexpr int64_t kWtrEpoch = 631065600;             // 1989-12-31 00:00 UTC in Unix seconds

// Loads bytes as a ".wtr" file through the format's own loader.
inline std::unique_ptr<CGPSFile> LoadWtrBytes(const QByteArray& bytes, int* recognised = nullptr)
{
    TempDir dir;
    int flag = 0;
    auto file = CWTRFile().LoadFile(dir.write(QStringLiteral("f.wtr"), bytes), &flag);
    if (recognised)
        *recognised = flag;
    return file;
}

inline const CWTRFile& AsWtr(const std::unique_ptr<CGPSFile>& file) { return static_cast<const CWTRFile&>(*file); }

// Two waypoints (one Big5-named, one with a missing height), two tracks with their own header
// blocks (the second of Big5 name, starting a new segment), one route of two points; the
// blocks' tails and every opaque field hold distinct bytes.
inline WtrBuilder RichWtr()
{
    using namespace wtr_builder;
    WtrBuilder b;
    b.waypointBlock = Block(kWpt, QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B", 11));
    b.trackBlock = Block(kTrk, QByteArray("\x11\x12\x13", 3));
    WtrWayPointFields peak{"SnowMainPeak", 0x11223344, 0x55667788, FloatBits(3886.0f), "HELD-8..", 8246, {}};
    peak.tail = QByteArray("tail-of-twenty-two....", 22);
    WtrWayPointFields big5{"\xA4\x43\xAC\x50\xA4\x73", -1000, -2000, kMissingHeight, QByteArray(8, '\xAA'), 18,
                           QByteArray(22, '\xBB')}; // 七星山
    b.waypoints = {peak, big5};
    WtrTrackFields first;
    first.header = Block(kHdr, QByteArray("first", 5));
    first.showOnGPS = 1;
    first.held = 0x7E;
    first.name = "Trail";
    first.points = {{100, 200, 1, FloatBits(800.5f), kMissingHeight, 1},
                    {101, 201, 0, kOtherMissingHeight, FloatBits(-3.25f), 0},
                    {102, 202, 0xFFFFFFFF, FloatBits(1120.0f), 0, 0},
                    {-103, -204, 1000000000, FloatBits(1121.0f), 0, 0}};
    WtrTrackFields second;
    second.header = Block(kHdr, QByteArray("second", 6));
    second.showOnGPS = 0;
    second.held = 0xFF;
    second.name = "\xB9\xDA\xA4\xDB\xB4\xF2"; // 夢幻湖
    second.points = {{-5, -6, 0x80000000, FloatBits(5.0f), 0, 1}};
    b.tracks = {first, second};
    WtrRouteFields route;
    route.header = Block(kHdr, QByteArray("rte", 3));
    route.name = "Loop";
    WtrRoutePointFields a{"HEAD", 8246, QByteArray(18, '\x33'), 7, 8, FloatBits(12.5f), QByteArray(12, '\x44'), "A1"};
    WtrRoutePointFields c{"head", 18, QByteArray(18, '\x55'), -7, -8, kMissingHeight, QByteArray(12, '\x66'), "C3"};
    route.points = {a, c};
    b.routes = {route};
    return b;
}
