#pragma once
// A large GPX text for the benchmarks: 5,000 waypoints with Chinese names and 20 tracks of
// 10,000 points with height and time each.
#include <QByteArray>
#include <QString>

namespace bench {

constexpr int kWayPoints = 5000;
constexpr int kTracks = 20;
constexpr int kPointsPerTrack = 10000;

inline QByteArray MakeGpx()
{
    QByteArray gpx = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<gpx version=\"1.1\" creator=\"bench\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n";
    for (int i = 0; i < kWayPoints; ++i) {
        gpx += "<wpt lat=\"" + QByteArray::number(22.0 + i * 0.0007, 'f', 6) + "\" lon=\""
            + QByteArray::number(120.0 + i * 0.0003, 'f', 6) + "\"><ele>" + QByteArray::number(100 + i % 3900)
            + "</ele><name>" + QStringLiteral("山峰%1").arg(i).toUtf8() + "</name><desc>" + QStringLiteral("百岳 %1 號").arg(i).toUtf8()
            + "</desc></wpt>\n";
    }
    for (int t = 0; t < kTracks; ++t) {
        gpx += "<trk><name>" + QStringLiteral("步道%1").arg(t).toUtf8() + "</name><trkseg>\n";
        for (int p = 0; p < kPointsPerTrack; ++p) {
            gpx += "<trkpt lat=\"" + QByteArray::number(23.0 + p * 0.00001 + t * 0.01, 'f', 6) + "\" lon=\""
                + QByteArray::number(121.0 + p * 0.00001, 'f', 6) + "\"><ele>" + QByteArray::number(500 + p % 1000)
                + "</ele><time>2023-04-01T" + QByteArray::number(10 + p / 3600).rightJustified(2, '0') + ":"
                + QByteArray::number(p / 60 % 60).rightJustified(2, '0') + ":"
                + QByteArray::number(p % 60).rightJustified(2, '0') + "Z</time></trkpt>\n";
        }
        gpx += "</trkseg></trk>\n";
    }
    return gpx + "</gpx>\n";
}

} // namespace bench
