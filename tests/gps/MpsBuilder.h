#pragma once
// Builds MPS files byte by byte from the format's layout: the signature "MsRcd" and a zero
// byte, the 'D' and 'A' header records, then length-prefixed records. Written from the record
// tables alone, so that the reader and writer are checked against an independent account.
#include <QByteArray>
#include <QtEndian>

#include <cstdint>
#include <cstring>
#include <vector>

// Every field of a 'W' record, in record order.
struct MpsWayPointFields {
    QByteArray name{};
    int32_t heldInt = 0;
    QByteArray heldText{};
    QByteArray block22 = QByteArray(22, '\0');
    int32_t latitude = 0;
    int32_t longitude = 0;
    uint8_t heightDefined = 0;
    double height = 0;
    QByteArray description{};
    uint8_t warningDefined = 0;
    double warning = 0;
    int32_t display = 0;
    int32_t color = 0;
    int16_t icon = 0;
    QByteArray afterIcon = QByteArray(3, '\0');
    QByteArray secondText{};
    QByteArray afterText = QByteArray(2, '\0');
    uint8_t depthDefined = 0;
    double depth = 0;
    QByteArray afterDepth = QByteArray(7, '\0');
};

// One 31-byte track point.
struct MpsPointFields {
    int32_t latitude = 0;
    int32_t longitude = 0;
    uint8_t heightDefined = 0;
    double height = 0;
    uint8_t timeDefined = 0;
    int32_t time = 0;
    QByteArray held = QByteArray(9, '\0');
};

class MpsBuilder {
public:
    // Signature and header records: 'D' with version, 'A' with version41, "SQA" and two texts.
    explicit MpsBuilder(int16_t version = 105, int16_t version41 = 504, const QByteArray& first = {},
                        const QByteArray& second = {})
    {
        bytes.append("MsRcd", 6); // with its zero byte
        QByteArray d;
        Put(d, version);
        Record('D', d);
        QByteArray a;
        Put(a, version41);
        a.append("SQA", 4);
        a.append(first).append('\0').append(second).append('\0');
        Record('A', a);
    }

    static QByteArray WayPointPayload(const MpsWayPointFields& w)
    {
        QByteArray p;
        p.append(w.name).append('\0');
        Put(p, w.heldInt);
        p.append(w.heldText).append('\0');
        p.append(w.block22);
        Put(p, w.latitude);
        Put(p, w.longitude);
        Put(p, w.heightDefined);
        PutDouble(p, w.height);
        p.append(w.description).append('\0');
        Put(p, w.warningDefined);
        PutDouble(p, w.warning);
        Put(p, w.display);
        Put(p, w.color);
        Put(p, w.icon);
        p.append(w.afterIcon);
        p.append(w.secondText).append('\0');
        p.append(w.afterText);
        Put(p, w.depthDefined);
        PutDouble(p, w.depth);
        p.append(w.afterDepth);
        return p;
    }

    // count < 0 writes the number of points given; extra bytes follow the points.
    static QByteArray TrackPayload(const QByteArray& name, uint8_t show, int32_t color,
                                   const std::vector<MpsPointFields>& points, int64_t count = -1,
                                   const QByteArray& extra = {})
    {
        QByteArray p;
        p.append(name).append('\0');
        Put(p, show);
        Put(p, color);
        Put(p, int32_t(count < 0 ? int64_t(points.size()) : count));
        for (const MpsPointFields& point : points) {
            Put(p, point.latitude);
            Put(p, point.longitude);
            Put(p, point.heightDefined);
            PutDouble(p, point.height);
            Put(p, point.timeDefined);
            Put(p, point.time);
            p.append(point.held);
        }
        return p + extra;
    }

    MpsBuilder& WayPoint(const MpsWayPointFields& fields) { return Record('W', WayPointPayload(fields)); }
    MpsBuilder& Track(const QByteArray& name, const std::vector<MpsPointFields>& points)
    {
        return Record('T', TrackPayload(name, 1, 0, points));
    }
    // A route: its name and 62 held bytes.
    MpsBuilder& Route(const QByteArray& name)
    {
        return Record('R', name + QByteArray(1, '\0') + QByteArray(62, '\x11'));
    }
    // A map: 8 bytes, three texts, 8 bytes.
    MpsBuilder& Map(const QByteArray& name)
    {
        return Record('L', QByteArray(8, '\0') + "Topo" + QByteArray(1, '\0') + name + QByteArray(1, '\0')
                               + "Region" + QByteArray(1, '\0') + QByteArray(8, '\0'));
    }
    // A frame: the payload's length (or the one given), the type letter, the payload.
    MpsBuilder& Record(char type, const QByteArray& payload, int64_t length = -1)
    {
        Put(bytes, uint32_t(length < 0 ? payload.size() : length));
        bytes.append(type);
        bytes.append(payload);
        return *this;
    }

    QByteArray bytes;

private:
    template <typename T> static void Put(QByteArray& out, T value)
    {
        char raw[sizeof(T)];
        qToLittleEndian<T>(value, raw);
        out.append(raw, qsizetype(sizeof(T)));
    }
    static void PutDouble(QByteArray& out, double value)
    {
        uint64_t bits;
        static_assert(sizeof bits == sizeof value);
        std::memcpy(&bits, &value, sizeof bits);
        Put(out, bits);
    }
};
