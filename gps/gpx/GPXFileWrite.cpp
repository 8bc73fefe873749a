// Converting a GDB file into GPX and writing GPX files.
#include "gps/gpx/GPXFile.h"

#include "gps/gdb/GDBFile.h"
#include "gps/gpx/GPXWriter.h"
#include "platform/FileIO.h"

namespace {

constexpr QByteArrayView kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>";
constexpr QByteArrayView kRootEnd = "</gpx>";

const CGDBFile* AsGDB(const CGPSFile* source)
{
    return source && source->FormatCode() == CGPSFile::kGDB ? dynamic_cast<const CGDBFile*>(source) : nullptr;
}

QByteArray RootStartTag()
{
    return "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" creator=\"" + CGPXFile::kCreator.toByteArray()
        + "\" version=\"1.1\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xsi:schemaLocation=\""
        + GPXWriter::kGarminNamespace.toByteArray()
        + " http://www.garmin.com/xmlschemas/GpxExtensionsv3.xsd"
          " http://www.topografix.com/GPX/1/1 http://www.topografix.com/GPX/1/1/gpx.xsd\">";
}

} // namespace

bool CGPXFile::CanConvertFrom(const CGPSFile* source) const { return AsGDB(source) != nullptr; }

int CGPXFile::ConvertFrom(const CGPSFile* source)
{
    const CGDBFile* gdb = AsGDB(source);
    if (!gdb)
        return 0;
    waypoints_.items.clear();
    tracks_.items.clear();
    for (const auto& waypoint : gdb->WayPoints().items)
        waypoints_.items.push_back(std::make_unique<CGPXTagWayPoint>(CGPXTagWayPoint::FromGDB(*waypoint)));
    for (const auto& track : gdb->Tracks().items)
        tracks_.items.push_back(std::make_unique<CGPXTagTrack>(CGPXTagTrack::FromGDB(*track)));
    return 1;
}

QByteArray CGPXFile::ToBytes() const
{
    const QByteArray lineEnd = GPXWriter::kLineEnd.toByteArray();
    QByteArray bytes = kDeclaration.toByteArray() + lineEnd + RootStartTag() + lineEnd + lineEnd;
    for (const auto& waypoint : waypoints_.items)
        bytes += waypoint->XmlText();
    for (const auto& track : tracks_.items)
        bytes += track->XmlText();
    return bytes + kRootEnd.toByteArray() + lineEnd;
}

int CGPXFile::SaveFile(const QString& path)
{
    return platform::WriteFileAtomically(path, ToBytes()) ? 1 : 0;
}
