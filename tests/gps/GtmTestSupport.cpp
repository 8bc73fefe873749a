#include "GtmTestSupport.h"

#include "GpsTestSupport.h"
#include "TempDir.h"

std::unique_ptr<CGPSFile> LoadGtmBytes(const QByteArray& bytes, int* recognised)
{
    TempDir dir;
    int dummy = 0;
    return CGTMFile().LoadFile(dir.write("file.gtm", bytes), recognised ? recognised : &dummy);
}

bool GpsbabelReads(const QString& format, const QString& path, GpxContent* content)
{
    QByteArray gpx;
    return RunGpsBabel({"-i", format, "-f", path, "-o", "gpx,gpxver=1.1", "-F", "-"}, &gpx)
        && ParseGpxText(gpx, content);
}

std::vector<GPSWayPointRecordW> WayPointsOf(const CGPSFile& file)
{
    std::vector<GPSWayPointRecordW> records(size_t(file.GetWayPointCount()));
    if (!records.empty())
        file.GetWayPointsW(records.data());
    return records;
}

std::vector<GPSTrackPointList> TracksOf(const CGPSFile& file)
{
    std::vector<GPSTrackPointList> tracks(size_t(file.GetTrackCount()));
    for (size_t i = 0; i < tracks.size(); ++i)
        file.GetTrackPoints(&tracks[i], int(i));
    return tracks;
}

GtmTrackStyleFields TrackStyle(const QByteArray& name)
{
    GtmTrackStyleFields style;
    style.name = name;
    return style;
}

GtmBuilder Big5Gtm()
{
    GtmBuilder b;
    b.waypoints = {{24.383333, 121.233333, Big5(u"雪山主峰"_qs), Big5(u"百岳之一"_qs), 73, 2, 315619200, 0, 3886.0f, 0},
                   {23.47, 120.957222, "Jade", {}, 48, 1, 0, 0, kUnknownHeight, 0},
                   {-33.9, -10.5, Big5(u"西南"_qs), Big5(u"南方"_qs), 0, 0, 0, 0, -12.25f, 0}};
    b.styles = {"Times New Roman", "Arial"};
    b.points = {{25.16, 121.54, 1049241600, 0, 800.0f},
                {25.165, 121.545, 0, 0, kUnknownHeight},
                {25.17, 121.55, 1049245200, 1, 1120.0f},
                {25.18, 121.56, 0, 0, kUnknownHeight},
                {-1.5, -2.25, 0, 1, 5.0f}};
    for (const QByteArray& name : {Big5(u"七星山步道"_qs), Big5(u"夢幻湖"_qs), QByteArray("Third")})
        b.trackStyles.push_back(TrackStyle(name));
    b.images = {"map.jpg"};
    b.routes = {{24, 121, "R1", "c", "Route", 1}, {24.1, 121.1, "R2", {}, "Route", 0}, {25, 122, "R3", {}, "B", 1}};
    return b;
}

