#pragma once
// Garmin MapSource database files (GDB): the format this program writes to show waypoints and
// tracks in the GPS software, and one it reads all-in-one files from.
#include "gps/gdb/GDBTrack.h"
#include "gps/gdb/GDBWayPoint.h"
#include "gps/GPSFile.h"
#include "gps/mapsource/MPSChunkHeader.h"
#include "gps/mapsource/MPSMap.h"
#include "gps/mapsource/MPSRoute.h"

#include <QByteArrayView>

struct CGDBHeader {
    CMPSChunkHeader44 header44;
    CMPSChunkHeader41 header41;
};

class CGDBFile : public CGPSFile {
public:
    static constexpr QByteArrayView kSignature{"MsRcf\0", 6};
    static constexpr QByteArrayView kMarker{"MapSource\0", 10};
    static constexpr int16_t kWrittenVersion = 109;
    static constexpr int16_t kWrittenHeader41Version = 613;
    // The end record after the lists: length 2, type 'V', payload 00 01. Other readers need it.
    static constexpr QByteArrayView kEndRecord{"\x02\x00\x00\x00V\x00\x01", 7};

    CGDBFile();
    ~CGDBFile() override;

    std::unique_ptr<CGPSFile> NewFile() const override;
    QString GetExtension() const override;
    QString GetDescription() const override;
    std::unique_ptr<CGPSFile> LoadFile(const QString& path, int* recognised) const override;
    // The whole file, part by part, field by field; returns the root item.
    GPSTreeItem FillTree(IGPSInspectionTree* tree) override;
    int GetWayPointCount() const override;
    int GetWayPoints(GPSWayPointRecord* records) const override;
    int GetWayPointsW(GPSWayPointRecordW* records) const override;
    int GetTrackCount() const override;
    int GetTrackPointTotal() const override;
    int GetTracks(GPSTrackRecord* records) const override;
    int GetTracksW(GPSTrackRecordW* records) const override;
    int GetTrackPoints(GPSTrackPointList* out, int index) const override;
    int GetRouteCount() const override;
    int GetMapCount() const override;
    // From an MPS file; whatever this object held is cleared first.
    int ConvertFrom(const CGPSFile* source) override;
    bool CanConvertFrom(const CGPSFile* source) const override;
    int SaveFile(const QString& path) override;
    int GetWayPointW(int index, GPSWayPointRecordW* record) const override;
    // From a source of any format; 0 when a waypoint of the same name is already here.
    int AddWayPointFrom(const CGPSFile* source, int index, const char* prefix) override;

    // Appends a copy of waypoint index of source named name (UTF-8), made unique with a number
    // ("P", "P2", "P3", ...), with comment (UTF-8) as description and altitude as height.
    int AddWayPointCopy(const CGPSFile* source, int index, QByteArrayView name, QByteArrayView comment,
                        double altitude);
    // Appends a copy of track index of source, named prefix + "-" + name when a prefix is
    // given; 0 when a track of the same name is already here (tracks of MPS files are added
    // all the same).
    int AddTrackFrom(const CGPSFile* source, int index, const char* prefix);

    // The whole file as SaveFile writes it.
    QByteArray ToBytes() const;

    const CGDBHeader& Header() const { return header_; }
    const CGDBWayPoint& WayPoints() const { return waypoints_; }
    const CGDBTrack& Tracks() const { return tracks_; }

private:
    bool Load(QByteArrayView bytes, int* recognised);
    bool ReadHeader(ByteCursor& cursor);
    void Clear();
    std::unique_ptr<CGDBChunkWayPoint> NewWayPointFrom(const CGPSFile* source, int index) const;
    std::unique_ptr<CGDBChunkTrack> NewTrackFrom(const CGPSFile* source, int index) const;
    QByteArray UniqueWayPointName(QByteArrayView name) const;

    CGDBWayPoint waypoints_;
    CGDBTrack tracks_;
    CGDBHeader header_;
    CMPSRoute routes_;
    CMPSMap maps_;
};
