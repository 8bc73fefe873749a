#pragma once
// GPS TrackMaker files (GTM): a header with the section counts, font and datum strings, a
// grid and datum block, map images, waypoints, waypoint styles, one flat list of track points
// cut into tracks by a flag, track styles that name the tracks, and route points. Positions are
// degrees; texts are in the ANSI code page.
#include "gps/GPSFile.h"
#include "gps/gtm/GTMGridDatum.h"
#include "gps/gtm/GTMHeader.h"
#include "gps/gtm/GTMImage.h"
#include "gps/gtm/GTMRoute.h"
#include "gps/gtm/GTMTrackLog.h"
#include "gps/gtm/GTMTrackStyle.h"
#include "gps/gtm/GTMWayPoint.h"
#include "gps/gtm/GTMWayPointStyle.h"

#include <QByteArrayView>

class CMPSFile;

class CGTMFile : public CGPSFile {
public:
    CGTMFile();
    ~CGTMFile() override;

    std::unique_ptr<CGPSFile> NewFile() const override;
    QString GetExtension() const override;
    QString GetDescription() const override;
    std::unique_ptr<CGPSFile> LoadFile(const QString& path, int* recognised) const override;
    // Every section field by field: header, grid and datum, map images, waypoints, waypoint
    // styles, track points, track styles and route points.
    GPSTreeItem FillTree(IGPSInspectionTree* tree) override;
    int GetWayPointCount() const override;
    int GetWayPoints(GPSWayPointRecord* records) const override;
    int GetWayPointsW(GPSWayPointRecordW* records) const override;
    int GetWayPointW(int index, GPSWayPointRecordW* record) const override;
    int16_t GetWayPointSymbol(int index) const override;
    // One track per run of points: the points up to the next flagged point; run k is named
    // after track style k.
    int GetTrackCount() const override;
    int GetTrackPointTotal() const override;
    int GetTracks(GPSTrackRecord* records) const override;
    int GetTrackPoints(GPSTrackPointList* out, int index) const override;
    int GetRouteCount() const override;
    // From an MPS file; whatever this object held is cleared first.
    int ConvertFrom(const CGPSFile* source) override;
    bool CanConvertFrom(const CGPSFile* source) const override;
    int SaveFile(const QString& path) override;

    // The whole file as SaveFile writes it: map images and route points are left out.
    QByteArray ToBytes() const;

    const CGTMHeader& Header() const { return header_; }
    const CGTMGridDatum& GridDatum() const { return gridDatum_; }
    const CGTMImage& Images() const { return images_; }
    const CGTMWayPoint& WayPoints() const { return waypoints_; }
    const CGTMWayPointStyle& WayPointStyles() const { return waypointStyles_; }
    const CGTMTrackLog& TrackLog() const { return trackLog_; }
    const CGTMTrackStyle& TrackStyles() const { return trackStyles_; }
    const CGTMRoute& Routes() const { return routes_; }

private:
    bool Load(QByteArrayView bytes, int* recognised);
    bool ReadSections(ByteCursor& cursor);
    void Clear();
    void ConvertHeader(const CMPSFile& source);
    QByteArrayView TrackName(int index) const;

    CGTMWayPoint waypoints_;
    CGTMHeader header_;
    CGTMGridDatum gridDatum_;
    CGTMImage images_;
    CGTMWayPointStyle waypointStyles_;
    CGTMTrackLog trackLog_;
    CGTMTrackStyle trackStyles_;
    CGTMRoute routes_;
};
