#pragma once
// GPS Exchange files (GPX 1.0 and 1.1): waypoints and tracks of all-in-one files and walks. The
// reader scans the file's bytes for the elements it needs; it is not a validating XML parser.
#include "gps/GPSFile.h"
#include "gps/gpx/GPXHeader.h"
#include "gps/gpx/GPXTrack.h"
#include "gps/gpx/GPXWayPoint.h"

#include <QByteArrayView>

class CGPXFile : public CGPSFile {
public:
    static constexpr QByteArrayView kByteOrderMark = "\xEF\xBB\xBF";
    static constexpr QByteArrayView kCreator = "Parvex";

    CGPXFile();
    ~CGPXFile() override;

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
    int16_t GetWayPointSymbol(int index) const override;
    int GetTrackCount() const override;
    int GetTrackPointTotal() const override;
    int GetTracks(GPSTrackRecord* records) const override;
    // Track names decoded from UTF-8, so no character is lost to the ANSI code page.
    int GetTracksW(GPSTrackRecordW* records) const override;
    int GetTrackPoints(GPSTrackPointList* out, int index) const override;
    // From a GDB file: its waypoints and tracks replace this object's.
    int ConvertFrom(const CGPSFile* source) override;
    bool CanConvertFrom(const CGPSFile* source) const override;
    int SaveFile(const QString& path) override;

    // Reads GPX text; false when it is no GPX (*recognised 0) or is damaged (*recognised 1).
    bool Load(QByteArrayView bytes, int* recognised);
    // The whole file as SaveFile writes it.
    QByteArray ToBytes() const;

    const CGPXHeader& Header() const { return header_; }
    const CGPXWayPoint& WayPoints() const { return waypoints_; }
    const CGPXTrack& Tracks() const { return tracks_; }

private:
    // Walks the root's children in one pass: waypoints and tracks are read wherever they stand,
    // other elements stepped over. False for a damaged element.
    bool ParseBody(QByteArrayView body);

    CGPXWayPoint waypoints_;
    CGPXTrack tracks_;
    CGPXHeader header_;
};
