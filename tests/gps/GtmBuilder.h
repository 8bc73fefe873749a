#pragma once
// Builds GPS TrackMaker files byte by byte from the format's layout tables: a 99-byte header
// whose counts sit at fixed offsets, four int16-length strings, the 58-byte grid and datum
// block, then map images, waypoints, waypoint styles, 25-byte track points, track styles and
// route points. Written from the tables alone, independently of the reader and writer.
#include <QByteArray>
#include <bit>

#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

struct GtmWayPointFields {
    double latitude = 0;
    double longitude = 0;
    QByteArray name;    // padded with spaces to 10 bytes
    QByteArray comment;
    int16_t icon = 0;
    uint8_t display = 0;
    int32_t date = 0;
    int16_t rotate = 0;
    float height = 0;
    int16_t layer = 0;
};

struct GtmPointFields {
    double latitude = 0;
    double longitude = 0;
    int32_t date = 0;
    uint8_t newSegment = 0;
    float height = 0;
};

struct GtmTrackStyleFields {
    QByteArray name;
    uint8_t type = 2;
    int32_t color = 0xFF;
    float scale = 1.5f;
    uint8_t label = 1;
    int16_t layer = 3;
};

struct GtmRouteFields {
    double latitude = 0;
    double longitude = 0;
    QByteArray name;
    QByteArray comment;
    QByteArray routeName;
    uint8_t newRoute = 0;
};

class GtmBuilder {
public:
    // Header counts at their offsets; a count left empty is the number of records given.
    struct Counts {
        std::optional<int32_t> waypointStyles, waypoints, trackPoints, routePoints, mapImages, tracks;
    };
    static constexpr int kHeaderSize = 99;

    QByteArray Build() const
    {
        QByteArray out = Header();
        for (const QByteArray& text : strings)
            PutString(out, text);
        out += GridDatum();
        for (const QByteArray& image : images) {
            PutString(out, image);
            PutString(out, "image comment");
            for (int i = 0; i < 30; ++i)
                out.append(char(i + 1));
        }
        for (const GtmWayPointFields& w : waypoints)
            out += WayPoint(w);
        for (const QByteArray& face : styles) {
            Put(out, int32_t(-11));
            PutString(out, face);
            for (int i = 0; i < 24; ++i)
                out.append(char(0x40 + i));
        }
        for (const GtmPointFields& p : points)
            out += Point(p);
        for (const GtmTrackStyleFields& s : trackStyles)
            out += TrackStyle(s);
        for (const GtmRouteFields& r : routes)
            out += Route(r);
        return out;
    }

    QByteArray Header() const
    {
        QByteArray h(kHeaderSize, '\0');
        PutAt(h, 0, int16_t(211));
        std::memcpy(h.data() + 2, "TrackMaker", 10);
        h[14] = 8;                             // GridFontSize
        PutAt(h, 23, int32_t(0xFFFFFF));       // BackgroundColor
        PutAt(h, 27, counts.waypointStyles.value_or(int32_t(styles.size())));
        PutAt(h, 35, counts.waypoints.value_or(int32_t(waypoints.size())));
        PutAt(h, 39, counts.trackPoints.value_or(int32_t(points.size())));
        PutAt(h, 43, counts.routePoints.value_or(int32_t(routes.size())));
        PutAt(h, 47, 121.6f);                  // MaxLongitude
        PutAt(h, 63, counts.mapImages.value_or(int32_t(images.size())));
        PutAt(h, 67, counts.tracks.value_or(int32_t(trackStyles.size())));
        PutAt(h, 97, int16_t(0x1234));         // reserval
        return h;
    }

    static QByteArray GridDatum()
    {
        QByteArray g(58, '\0');
        PutAt(g, 0, int16_t(13));
        PutAt(g, 2, 121.0);
        PutAt(g, 10, 250000.0);
        PutAt(g, 18, 0.9999);
        PutAt(g, 34, int16_t(217));
        PutAt(g, 36, 6378137.0);
        PutAt(g, 52, int16_t(-1));
        PutAt(g, 56, int16_t(7));
        return g;
    }

    static QByteArray WayPoint(const GtmWayPointFields& w)
    {
        QByteArray out;
        Put(out, w.latitude);
        Put(out, w.longitude);
        out += Name10(w.name);
        PutString(out, w.comment);
        Put(out, w.icon);
        Put(out, w.display);
        Put(out, w.date);
        Put(out, w.rotate);
        Put(out, w.height);
        Put(out, w.layer);
        return out;
    }

    static QByteArray Point(const GtmPointFields& p)
    {
        QByteArray out;
        Put(out, p.latitude);
        Put(out, p.longitude);
        Put(out, p.date);
        Put(out, p.newSegment);
        Put(out, p.height);
        return out;
    }

    static QByteArray TrackStyle(const GtmTrackStyleFields& s)
    {
        QByteArray out;
        PutString(out, s.name);
        Put(out, s.type);
        Put(out, s.color);
        Put(out, s.scale);
        Put(out, s.label);
        Put(out, s.layer);
        return out;
    }

    static QByteArray Route(const GtmRouteFields& r)
    {
        QByteArray out;
        Put(out, r.latitude);
        Put(out, r.longitude);
        out += Name10(r.name);
        PutString(out, r.comment);
        PutString(out, r.routeName);
        Put(out, int16_t(5));  // icon
        Put(out, uint8_t(1));  // display
        Put(out, r.newRoute);
        Put(out, int32_t(0));  // date
        Put(out, int16_t(0));  // rotation
        Put(out, 12.0f);       // height
        Put(out, int16_t(0));  // layer
        return out;
    }

    static QByteArray Name10(const QByteArray& name) { return (name + QByteArray(10, ' ')).left(10); }

    QByteArray strings[4] = {"Times New Roman", {}, {}, {}};
    std::vector<QByteArray> images;
    std::vector<GtmWayPointFields> waypoints;
    std::vector<QByteArray> styles; // face names
    std::vector<GtmPointFields> points;
    std::vector<GtmTrackStyleFields> trackStyles;
    std::vector<GtmRouteFields> routes;
    Counts counts;

private:
    template <typename T> static void Put(QByteArray& out, T value)
    {
        char raw[sizeof(T)];
        std::memcpy(raw, &value, sizeof(T)); // the test machine is little-endian, as the format
        out.append(raw, qsizetype(sizeof(T)));
    }
    template <typename T> static void PutAt(QByteArray& out, int offset, T value)
    {
        std::memcpy(out.data() + offset, &value, sizeof(T));
    }
    static void PutString(QByteArray& out, const QByteArray& text)
    {
        Put(out, int16_t(text.size()));
        out += text;
    }
};

static_assert(std::endian::native == std::endian::little);
