#pragma once
// Garmin eTrex Legend files (WTR): a waypoint, a track and a route section, each opened by a
// marker block, with no counts stored. Texts are in the ANSI code page; heights and depths are
// floats whose missing value is a bit pattern (gps/GPSFloat.h).
#include "gps/GPSFile.h"
#include "gps/wtr/WTRRoute.h"
#include "gps/wtr/WTRTrack.h"
#include "gps/wtr/WTRWayPoint.h"

#include <QByteArrayView>

class CEVOFile;
struct EVOWayPointRecord;

class CWTRFile : public CGPSFile {
public:
    CWTRFile();
    ~CWTRFile() override;

    std::unique_ptr<CGPSFile> NewFile() const override;
    QString GetExtension() const override;
    QString GetDescription() const override;
    std::unique_ptr<CGPSFile> LoadFile(const QString& path, int* recognised) const override;
    GPSTreeItem FillTree(IGPSInspectionTree* tree) override;
    int GetWayPointCount() const override;
    int GetWayPoints(GPSWayPointRecord* records) const override;
    int GetWayPointsW(GPSWayPointRecordW* records) const override;
    int GetWayPointW(int index, GPSWayPointRecordW* record) const override;
    int16_t GetWayPointSymbol(int index) const override;
    int GetTrackCount() const override;
    int GetTrackPointTotal() const override;
    int GetTracks(GPSTrackRecord* records) const override;
    int GetTrackPoints(GPSTrackPointList* out, int index) const override;
    int GetRouteCount() const override;
    // From an EVO file; whatever this object held is cleared first.
    int ConvertFrom(const CGPSFile* source) override;
    bool CanConvertFrom(const CGPSFile* source) const override;
    // Writes the waypoints and the tracks, each track with its own header marker block, and
    // an empty route section.
    int SaveFile(const QString& path) override;

    // The whole file as SaveFile writes it.
    QByteArray ToBytes() const;

    static WTRWayPointRecord WayPointFromEVO(const EVOWayPointRecord& source);

    const CWTRWayPoint& WayPoints() const { return waypoints_; }
    const CWTRTrack& Tracks() const { return tracks_; }
    const CWTRRoute& Routes() const { return routes_; }

private:
    bool Load(QByteArrayView bytes, int* recognised);
    void Clear();

    CWTRWayPoint waypoints_;
    CWTRTrack tracks_;
    CWTRRoute routes_;
};
