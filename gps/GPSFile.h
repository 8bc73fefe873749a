#pragma once
// Base of the GPS file formats. An object is either an empty prototype (asked for its
// extension and used to load files) or holds the whole content of one loaded file.
#include "gps/GPSInspection.h"
#include "gps/GPSRecords.h"
#include "gps/GPSText.h"

#include <QByteArrayView>
#include <QString>
#include <memory>

class CGPSFile {
public:
    // Format codes.
    static constexpr int kWTR = 101;
    static constexpr int kEVO = 102;
    static constexpr int kMPS = 103;
    static constexpr int kGDB = 104;
    static constexpr int kGTM = 105;
    static constexpr int kGPX = 106;
    static constexpr int kKML = 107;
    // NewWayPointArray hands out this many records beyond the waypoint count.
    static constexpr int kWayPointArraySpare = 10;

    explicit CGPSFile(int formatCode) : formatCode_(formatCode) {}
    CGPSFile(const CGPSFile&) = delete;
    CGPSFile& operator=(const CGPSFile&) = delete;

    int FormatCode() const { return formatCode_; }

    virtual ~CGPSFile();
    // A new empty object of the same format.
    virtual std::unique_ptr<CGPSFile> NewFile() const;
    // Extension without the dot, e.g. "gdb".
    virtual QString GetExtension() const;
    virtual QString GetDescription() const;
    // Reads the file into a new object; this object stays unchanged. *recognised becomes 1
    // once the format's signature is accepted, so a later fault means a damaged file of this
    // format. Null on any failure.
    virtual std::unique_ptr<CGPSFile> LoadFile(const QString& path, int* recognised) const;
    virtual GPSTreeItem FillTree(IGPSInspectionTree* tree);
    virtual int GetWayPointCount() const;
    // Fill one record per waypoint (track), in file order, into an array of at least the
    // count. 0 for a null array, else 1.
    virtual int GetWayPoints(GPSWayPointRecord* records) const;
    virtual int GetWayPointsW(GPSWayPointRecordW* records) const;
    // The MapSource symbol code of waypoint index, for a copy in a MapSource file: the
    // format's own symbol through the symbol tables; the plain waypoint symbol where the
    // format holds none or the tables have no match.
    virtual int16_t GetWayPointSymbol(int index) const;
    // The wide record of waypoint index alone; 0 for a null record or an index out of range.
    // The base converts every waypoint to take one; formats override it to convert only that
    // one, so that copying a few waypoints out of a large file stays cheap.
    virtual int GetWayPointW(int index, GPSWayPointRecordW* record) const;
    // An array of count + 10 records, the first count filled; null when there are none.
    virtual std::unique_ptr<GPSWayPointRecord[]> NewWayPointArray() const;
    virtual std::unique_ptr<GPSWayPointRecordW[]> NewWayPointArrayW() const;
    // One line "name altitude" per waypoint; returns the count.
    virtual int FillWayPointList(IListBoxSink* list) const;
    virtual int GetTrackCount() const;
    virtual int GetTrackPointTotal() const;
    virtual int GetTracks(GPSTrackRecord* records) const;
    // Wide track records; the base converts the 8-bit names through the ANSI code page.
    // Formats that store UTF-8 override it to decode their names directly.
    virtual int GetTracksW(GPSTrackRecordW* records) const;
    // Name, count and points of track index. 0 for a null out; 1 and nothing filled for an
    // index out of range.
    virtual int GetTrackPoints(GPSTrackPointList* out, int index) const;
    virtual int GetRouteCount() const;
    virtual int GetMapCount() const;
    virtual int ConvertFrom(const CGPSFile* source);
    virtual bool CanConvertFrom(const CGPSFile* source) const;
    // Writes the object to a file; 1 only when all of it is on disk.
    virtual int SaveFile(const QString& path);
    // Appends a copy of waypoint index of source, named prefix + "-" + name when a prefix
    // (UTF-8) is given.
    virtual int AddWayPointFrom(const CGPSFile* source, int index, const char* prefix);

protected:
    // The LoadFile of a format: reads the whole file and hands its bytes to load on a new
    // Format object. recognised may be null; null when the file cannot be read or load fails.
    template <class Format>
    static std::unique_ptr<CGPSFile> LoadWhole(const QString& path, int* recognised,
                                               bool (Format::*load)(QByteArrayView, int*))
    {
        int dummy = 0;
        QByteArray bytes;
        if (!gps::ReadWholeFile(path, &bytes))
            return nullptr;
        auto file = std::make_unique<Format>();
        if (!(file.get()->*load)(bytes, recognised ? recognised : &dummy))
            return nullptr;
        return file;
    }

private:
    int formatCode_;
};
