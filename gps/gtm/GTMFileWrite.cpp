// Writing of GPS TrackMaker files.
#include "gps/gtm/GTMFile.h"

#include "platform/FileIO.h"

QByteArray CGTMFile::ToBytes() const
{
    // The counts are those of the sections written, so that the file reads back: map images
    // and route points are not written.
    CGTMHeader header = header_;
    header.MapImages = 0;
    header.RoutePoints = 0;
    header.Waypoints = waypoints_.count();
    header.WaypointStyles = waypointStyles_.count();
    header.TrackPoints = trackLog_.pointCount();
    header.Tracks = trackStyles_.count();
    QByteArray bytes;
    ByteWriter out(&bytes);
    header.Write(out);
    gridDatum_.Write(out);
    waypoints_.Write(out);
    waypointStyles_.Write(out);
    trackLog_.Write(out);
    trackStyles_.Write(out);
    return bytes;
}

int CGTMFile::SaveFile(const QString& path)
{
    return platform::WriteFileAtomically(path, ToBytes()) ? 1 : 0;
}
