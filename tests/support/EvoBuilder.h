#pragma once
// Builds Garmin eTrex Vista (EVO) files byte by byte from the format's layout tables: the
// 48-byte header (32 held bytes, waypoint, track and route counts, 4 held bytes), waypoints of
// 52 fixed bytes and six texts each ended by a line feed, tracks (int16, name, count, 24-byte
// points) and routes (21 held bytes, name, count, waypoint-shaped points with 20 link bytes
// after every point but the last). Written from the tables alone, independently of the reader
// and writer.
#include <QByteArray>
#include <QtEndian>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// Every field of a waypoint (or route point), in file order.
struct EvoWayPointFields {
    QByteArray head = QByteArray(4, '\0');
    int16_t symbol = 0;
    QByteArray middle = QByteArray(18, '\0');
    int32_t latitude = 0;
    int32_t longitude = 0;
    uint32_t heightBits = 0; // float bits
    uint32_t depthBits = 0;
    uint32_t opaqueFloatBits = 0;
    QByteArray tail = QByteArray(8, '\0');
    QByteArray identifier;
    QByteArray comment;
    std::array<QByteArray, 4> shortTexts;
};

// One 24-byte track point.
struct EvoPointFields {
    int32_t latitude = 0;
    int32_t longitude = 0;
    uint32_t time = 0;
    uint32_t heightBits = 0;
    uint32_t depthBits = 0;
    int32_t newSegment = 0;
};

struct EvoTrackFields {
    int16_t held = 0;
    QByteArray name;
    std::vector<EvoPointFields> points;
    std::optional<int32_t> count; // empty: the number of points given
};

struct EvoRouteFields {
    QByteArray held = QByteArray(21, '\0');
    QByteArray name;
    std::vector<EvoWayPointFields> points;
    // Link block after point i (20 bytes); a missing entry gives 20 bytes of 0x4C.
    std::vector<QByteArray> links;
    bool linkAfterLast = false; // a malformed file: a link block after the last point too
    std::optional<int32_t> count;
};

class EvoBuilder {
public:
    static constexpr int kHeaderSize = 48;
    static constexpr int kLinkSize = 20;

    // Counts left empty are the numbers of records given.
    std::optional<uint32_t> waypointCount, trackCount, routeCount;
    QByteArray headerHead = QByteArray(32, '\0');
    QByteArray headerTail = QByteArray(4, '\0');
    std::vector<EvoWayPointFields> waypoints;
    std::vector<EvoTrackFields> tracks;
    std::vector<EvoRouteFields> routes;
    QByteArray trailer; // bytes after the last route

    QByteArray Build() const
    {
        QByteArray out = headerHead;
        Put(out, waypointCount.value_or(uint32_t(waypoints.size())));
        Put(out, trackCount.value_or(uint32_t(tracks.size())));
        Put(out, routeCount.value_or(uint32_t(routes.size())));
        out += headerTail;
        for (const EvoWayPointFields& w : waypoints)
            out += WayPoint(w);
        for (const EvoTrackFields& t : tracks)
            out += Track(t);
        for (const EvoRouteFields& r : routes)
            out += Route(r);
        return out + trailer;
    }

    static QByteArray WayPoint(const EvoWayPointFields& w)
    {
        QByteArray p = w.head;
        Put(p, w.symbol);
        p += w.middle;
        Put(p, w.latitude);
        Put(p, w.longitude);
        Put(p, w.heightBits);
        Put(p, w.depthBits);
        Put(p, w.opaqueFloatBits);
        p += w.tail;
        p += w.identifier + '\n' + w.comment + '\n';
        for (const QByteArray& text : w.shortTexts)
            p += text + '\n';
        return p;
    }

    static QByteArray Point(const EvoPointFields& point)
    {
        QByteArray p;
        Put(p, point.latitude);
        Put(p, point.longitude);
        Put(p, point.time);
        Put(p, point.heightBits);
        Put(p, point.depthBits);
        Put(p, point.newSegment);
        return p;
    }

    static QByteArray Track(const EvoTrackFields& t)
    {
        QByteArray p;
        Put(p, t.held);
        p += t.name + '\n';
        Put(p, t.count.value_or(int32_t(t.points.size())));
        for (const EvoPointFields& point : t.points)
            p += Point(point);
        return p;
    }

    static QByteArray Route(const EvoRouteFields& r)
    {
        QByteArray p = r.held + r.name + '\n';
        Put(p, r.count.value_or(int32_t(r.points.size())));
        for (size_t i = 0; i < r.points.size(); ++i) {
            p += WayPoint(r.points[i]);
            if (i + 1 < r.points.size() || r.linkAfterLast)
                p += i < r.links.size() ? r.links[i] : QByteArray(kLinkSize, '\x4C');
        }
        return p;
    }

    template <typename T> static void Put(QByteArray& out, T value)
    {
        char raw[sizeof(T)];
        qToLittleEndian<T>(value, raw);
        out.append(raw, qsizetype(sizeof(T)));
    }
};
