#pragma once
// Garmin eTrex Vista files (EVO): a 48-byte header with the counts, then the waypoints, the
// tracks and the routes. Texts are in the ANSI code page; heights and depths are floats whose
// missing value is a bit pattern (gps/GPSFloat.h).
#include "gps/evo/EVOHeader.h"
#include "gps/evo/EVORoute.h"
#include "gps/evo/EVOTrack.h"
#include "gps/evo/EVOWayPoint.h"
#include "gps/GPSFile.h"

#include <QByteArrayView>

class CMPSChunkWayPoint;
class CMPSFile;
class CWTRFile;
struct WTRWayPointRecord;

class CEVOFile : public CGPSFile {
public:
    CEVOFile();
    ~CEVOFile() override;

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
    // From a WTR or an MPS file; whatever this object held is cleared first.
    int ConvertFrom(const CGPSFile* source) override;
    bool CanConvertFrom(const CGPSFile* source) const override;
    // Writes the header (with the counts of what is written: no routes), waypoints and tracks.
    int SaveFile(const QString& path) override;
    // Appends waypoint index of a WTR or MPS file, named prefix + "-" + name when a prefix
    // (ANSI) is given.
    int AddWayPointFrom(const CGPSFile* source, int index, const char* prefix) override;

    // The whole file as SaveFile writes it.
    QByteArray ToBytes() const;

    // Waypoints converted from the other formats, with the converters' defaults.
    static EVOWayPointRecord WayPointFromWTR(const WTRWayPointRecord& source);
    static EVOWayPointRecord WayPointFromMPS(const CMPSChunkWayPoint& source);
    // The device symbol of an MPS symbol: the table's device code, 18 for a symbol the
    // device lacks, the code itself when the table does not know it.
    static int16_t SymbolFromMPS(int16_t mpsCode);

    const CEVOHeader& Header() const { return header_; }
    const CEVOWayPoint& WayPoints() const { return waypoints_; }
    const CEVOTrack& Tracks() const { return tracks_; }
    const CEVORoute& Routes() const { return routes_; }

private:
    bool Load(QByteArrayView bytes, int* recognised);
    void Clear();
    void ConvertFromWTR(const CWTRFile& source);
    void ConvertFromMPS(const CMPSFile& source);
    void UpdateCounts();

    CEVOHeader header_;
    CEVOWayPoint waypoints_;
    CEVOTrack tracks_;
    CEVORoute routes_;
};
