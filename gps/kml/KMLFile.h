#pragma once
// Keyhole Markup Language files (KML): every placemark with a point is a waypoint, every
// placemark with line strings a track. Read only: the reader scans the file's bytes for the
// elements it needs; it is not a validating XML parser.
#include "gps/GPSFile.h"
#include "gps/kml/KMLTrack.h"
#include "gps/kml/KMLWayPoint.h"

#include <QByteArrayView>

class CKMLFile : public CGPSFile {
public:
    static constexpr QByteArrayView kByteOrderMark = "\xEF\xBB\xBF";

    CKMLFile();
    ~CKMLFile() override;

    std::unique_ptr<CGPSFile> NewFile() const override;
    QString GetExtension() const override;
    QString GetDescription() const override;
    std::unique_ptr<CGPSFile> LoadFile(const QString& path, int* recognised) const override;
    // The waypoints and tracks with every position, names decoded from UTF-8.
    GPSTreeItem FillTree(IGPSInspectionTree* tree) override;
    int GetWayPointCount() const override;
    int GetWayPoints(GPSWayPointRecord* records) const override;
    int GetWayPointsW(GPSWayPointRecordW* records) const override;
    int GetWayPointW(int index, GPSWayPointRecordW* record) const override;
    int GetTrackCount() const override;
    int GetTrackPointTotal() const override;
    int GetTracks(GPSTrackRecord* records) const override;
    // Track names decoded from UTF-8, so no character is lost to the ANSI code page.
    int GetTracksW(GPSTrackRecordW* records) const override;
    int GetTrackPoints(GPSTrackPointList* out, int index) const override;

    // Reads KML text; false when it is no KML (*recognised 0) or is damaged (*recognised 1).
    bool Load(QByteArrayView bytes, int* recognised);

    const CKMLWayPoint& WayPoints() const { return waypoints_; }
    const CKMLTrack& Tracks() const { return tracks_; }

private:
    CKMLWayPoint waypoints_;
    CKMLTrack tracks_;
};
