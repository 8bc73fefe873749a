#pragma once
// Builds Garmin eTrex Legend (WTR) files byte by byte from the format's layout tables: three
// sections opened by 16-byte marker blocks (FF 'Wpt' FF, FF 'Trk' FF, FF 'Rte' FF, each
// track and route opened by EE 'hdr' EE), 64-byte waypoints, per track an 18-byte header and
// 21-byte points, per route a 16-byte name and 64-byte points. No counts are stored. Written
// from the tables alone, independently of the reader and writer.
#include <QByteArray>
#include <QtEndian>

#include <cstdint>
#include <vector>

namespace wtr_builder {

template <typename T> void Put(QByteArray& out, T value)
{
    char raw[sizeof(T)];
    qToLittleEndian<T>(value, raw);
    out.append(raw, qsizetype(sizeof(T)));
}

// A fixed field of width bytes: the text's first width bytes, padded with zero bytes.
inline QByteArray Field(const QByteArray& text, int width)
{
    QByteArray field = text.left(width);
    field.append(QByteArray(width - field.size(), '\0'));
    return field;
}

// A marker block: the five signature bytes, then eleven bytes (zeros unless given).
inline QByteArray Block(const char* signature, const QByteArray& rest = QByteArray(11, '\0'))
{
    return QByteArray(signature, 5) + Field(rest, 11);
}

inline const char kWpt[] = "\xFFWpt\xFF";
inline const char kTrk[] = "\xFFTrk\xFF";
inline const char kRte[] = "\xFFRte\xFF";
inline const char kHdr[] = "\xEEhdr\xEE";

} // namespace wtr_builder

struct WtrWayPointFields {
    QByteArray name; // the 20-byte field holds its first 20 bytes
    int32_t latitude = 0;
    int32_t longitude = 0;
    uint32_t heightBits = 0;
    QByteArray held = QByteArray(8, '\0');
    int16_t icon = 0;
    QByteArray tail = QByteArray(22, '\0');
};

struct WtrPointFields {
    int32_t latitude = 0;
    int32_t longitude = 0;
    uint32_t time = 0;
    uint32_t heightBits = 0;
    uint32_t depthBits = 0;
    uint8_t newSegment = 0;
};

struct WtrTrackFields {
    QByteArray header = wtr_builder::Block(wtr_builder::kHdr);
    uint8_t showOnGPS = 1;
    uint8_t held = 0;
    QByteArray name; // 16-byte field
    std::vector<WtrPointFields> points;
};

struct WtrRoutePointFields {
    QByteArray head = QByteArray(4, '\0');
    int16_t icon = 0;
    QByteArray middle = QByteArray(18, '\0');
    int32_t latitude = 0;
    int32_t longitude = 0;
    uint32_t heightBits = 0;
    QByteArray tail = QByteArray(12, '\0');
    QByteArray name; // 16-byte field
};

struct WtrRouteFields {
    QByteArray header = wtr_builder::Block(wtr_builder::kHdr);
    QByteArray name;
    std::vector<WtrRoutePointFields> points;
};

class WtrBuilder {
public:
    QByteArray waypointBlock = wtr_builder::Block(wtr_builder::kWpt);
    QByteArray trackBlock = wtr_builder::Block(wtr_builder::kTrk);
    QByteArray routeBlock = wtr_builder::Block(wtr_builder::kRte); // empty: no route marker
    std::vector<WtrWayPointFields> waypoints;
    std::vector<WtrTrackFields> tracks;
    std::vector<WtrRouteFields> routes;
    QByteArray trailer; // bytes after the last route

    QByteArray Build() const
    {
        QByteArray out = waypointBlock;
        for (const WtrWayPointFields& w : waypoints)
            out += WayPoint(w);
        out += trackBlock;
        for (const WtrTrackFields& t : tracks)
            out += Track(t);
        out += routeBlock;
        for (const WtrRouteFields& r : routes)
            out += Route(r);
        return out + trailer;
    }

    static QByteArray WayPoint(const WtrWayPointFields& w)
    {
        using namespace wtr_builder;
        QByteArray p = Field(w.name, 20);
        Put(p, w.latitude);
        Put(p, w.longitude);
        Put(p, w.heightBits);
        p += Field(w.held, 8);
        Put(p, w.icon);
        p += Field(w.tail, 22);
        return p;
    }

    static QByteArray Point(const WtrPointFields& point)
    {
        using namespace wtr_builder;
        QByteArray p;
        Put(p, point.latitude);
        Put(p, point.longitude);
        Put(p, point.time);
        Put(p, point.heightBits);
        Put(p, point.depthBits);
        Put(p, point.newSegment);
        return p;
    }

    static QByteArray Track(const WtrTrackFields& t)
    {
        QByteArray p = t.header;
        p += char(t.showOnGPS);
        p += char(t.held);
        p += wtr_builder::Field(t.name, 16);
        for (const WtrPointFields& point : t.points)
            p += Point(point);
        return p;
    }

    static QByteArray RoutePoint(const WtrRoutePointFields& r)
    {
        using namespace wtr_builder;
        QByteArray p = Field(r.head, 4);
        Put(p, r.icon);
        p += Field(r.middle, 18);
        Put(p, r.latitude);
        Put(p, r.longitude);
        Put(p, r.heightBits);
        p += Field(r.tail, 12);
        p += Field(r.name, 16);
        return p;
    }

    static QByteArray Route(const WtrRouteFields& r)
    {
        QByteArray p = r.header + wtr_builder::Field(r.name, 16);
        for (const WtrRoutePointFields& point : r.points)
            p += RoutePoint(point);
        return p;
    }
};
