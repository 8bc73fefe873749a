#pragma once
// Garmin MapSource files of the older kind (MPS), whose texts are in the ANSI code page. The
// program reads them as all-in-one and walk files and copies waypoints and tracks out of them.
#include "gps/GPSFile.h"
#include "gps/mapsource/MPSChunkHeader.h"
#include "gps/mapsource/MPSMap.h"
#include "gps/mapsource/MPSRoute.h"
#include "gps/mps/MPSTrack.h"
#include "gps/mps/MPSWayPoint.h"

#include <QByteArrayView>

struct CMPSHeader {
    CMPSChunkHeader44 header44;
    CMPSChunkHeader41 header41;
};

class CMPSFile : public CGPSFile {
public:
    static constexpr QByteArrayView kSignature{"MsRcd\0", 6};
    // Versions written; 0 makes the header records write their defaults (105 and 504).
    static constexpr int16_t kWrittenVersion = 0;
    static constexpr int16_t kWrittenHeader41Version = 0;

    CMPSFile();
    ~CMPSFile() override;

    std::unique_ptr<CGPSFile> NewFile() const override;
    QString GetExtension() const override;
    QString GetDescription() const override;
    std::unique_ptr<CGPSFile> LoadFile(const QString& path, int* recognised) const override;
    // The whole file, part by part, field by field; returns the root item.
    GPSTreeItem FillTree(IGPSInspectionTree* tree) override;
    int GetWayPointCount() const override;
    int GetWayPoints(GPSWayPointRecord* records) const override;
    int GetWayPointsW(GPSWayPointRecordW* records) const override;
    int GetWayPointW(int index, GPSWayPointRecordW* record) const override;
    int GetTrackCount() const override;
    int GetTrackPointTotal() const override;
    int GetTracks(GPSTrackRecord* records) const override;
    int GetTrackPoints(GPSTrackPointList* out, int index) const override;
    int GetRouteCount() const override;
    int GetMapCount() const override;
    // From an EVO or a GDB file; whatever this object held is cleared first.
    int ConvertFrom(const CGPSFile* source) override;
    bool CanConvertFrom(const CGPSFile* source) const override;
    int SaveFile(const QString& path) override;
    // Appends a waypoint of an EVO or GDB file, named prefix + "-" + name when a prefix (ANSI) is given.
    int AddWayPointFrom(const CGPSFile* source, int index, const char* prefix) override;

    // The whole file as SaveFile writes it: signature, header records, waypoints, tracks.
    QByteArray ToBytes() const;

    const CMPSHeader& Header() const { return header_; }
    const CMPSWayPoint& WayPoints() const { return waypoints_; }
    const CMPSTrack& Tracks() const { return tracks_; }

private:
    bool Load(QByteArrayView bytes, int* recognised);
    bool ReadHeader(ByteCursor& cursor);
    static std::unique_ptr<CMPSChunkWayPoint> ConvertedWayPoint(const CGPSFile* source, int index);
    void Clear();

    CMPSWayPoint waypoints_;
    CMPSTrack tracks_;
    CMPSHeader header_;
    CMPSRoute routes_;
    CMPSMap maps_;
};
