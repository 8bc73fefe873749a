#pragma once
// Helpers of the GPS tests: the fixtures written by gpsbabel, and gpsbabel itself as an
// independent reader and writer.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "GpsBabel.h"
#include "gps/ByteCursor.h"
#include "gps/gdb/GDBFile.h"
#include "gps/GPSFile.h"

#include <vector>

// Path of a file in tests/data/gps.
QString GpsFixture(const QString& name);

// A text as a GPX or KML reader holds it: the whole characters whose UTF-8 fits in 127 bytes,
// counted here from the code points.
QString HeldInUtf8Field(const QString& text);

// What every file a reader hands out keeps, however damaged its bytes were: arrays for the
// counts it gives, each track's points as many as its records say, the total the sum of the
// tracks, and indexes out of range refused.
void ExpectConsistentHandOuts(const CGPSFile& file);

// Builds a GDB file: signature, headers of the given version, then records.
class GdbBuilder {
public:
    explicit GdbBuilder(int16_t version)
    {
        ByteWriter out(&bytes);
        out.WriteBytes(CGDBFile::kSignature);
        CMPSChunkHeader44::Write(out, version);
        CMPSChunkHeader41().Write(out, 613);
        out.WriteBytes(CGDBFile::kMarker);
        version_ = version;
    }

    // A waypoint record in the layout of the version; cut drops that many bytes off its end.
    GdbBuilder& WayPoint(const QByteArray& name, const QByteArray& description, int cut = 0)
    {
        QByteArray payload;
        ByteWriter out(&payload);
        out.WriteCString(name);
        out.WriteZeros(4);
        out.WriteCString({});
        out.WriteZeros(22);
        out.WriteInt32(100);  // latitude
        out.WriteInt32(-200); // longitude
        out.WriteOptionalDouble(1, 321.5);
        out.WriteCString(description);
        out.WriteOptionalDouble(0, 0);
        out.WriteInt32(0);
        out.WriteInt32(0);
        out.WriteInt16(18);
        out.WriteZeros(3);
        out.WriteCString({});
        out.WriteZeros(2);
        out.WriteOptionalDouble(0, 0);
        out.WriteZeros(7);
        if (version_ > 108)
            out.WriteInt32(0);
        out.WriteCString({});
        out.WriteInt16(0);
        out.WriteOptionalDouble(0, 0);
        out.WriteByte(0); // time not defined
        payload.chop(cut);
        return Record('W', payload);
    }

    GdbBuilder& Track(const QByteArray& name, int32_t count, int points)
    {
        QByteArray payload;
        ByteWriter out(&payload);
        out.WriteCString(name);
        out.WriteByte(1);
        out.WriteInt32(0);
        out.WriteInt32(count);
        for (int i = 0; i < points; ++i) {
            out.WriteInt32(i);
            out.WriteInt32(-i);
            out.WriteOptionalDouble(0, 0);
            out.WriteByte(0);
            out.WriteByte(0);
            out.WriteOptionalDouble(0, 0);
        }
        if (version_ > 108)
            out.WriteInt32(0);
        else
            out.WriteCString({});
        return Record('T', payload);
    }

    GdbBuilder& Record(char type, const QByteArray& payload, int64_t length = -1)
    {
        ByteWriter out(&bytes);
        out.WriteUInt32(uint32_t(length < 0 ? payload.size() : length));
        out.WriteByte(uint8_t(type));
        out.WriteBytes(payload);
        return *this;
    }

    QByteArray bytes;

private:
    int16_t version_;
};

// A GPS file of a format other than GDB, as a UTF-8 format hands out its records.
class FakeGpsFile : public CGPSFile {
public:
    struct Track {
        QString name;
        std::vector<GPSTrackPoint> points;
    };

    FakeGpsFile() : CGPSFile(kGPX) {}
    void AddWayPoint(const QString& name, double longitude, double latitude, double altitude,
                     const QString& comment = QString());

    int GetWayPointCount() const override { return int(waypoints.size()); }
    int GetWayPointsW(GPSWayPointRecordW* records) const override;
    int GetTrackCount() const override { return int(tracks.size()); }
    int GetTracksW(GPSTrackRecordW* records) const override;
    int GetTrackPoints(GPSTrackPointList* out, int index) const override;

    std::vector<GPSWayPointRecordW> waypoints;
    std::vector<Track> tracks;
};
