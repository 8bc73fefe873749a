#pragma once
// One wpt element of a GPX file.
#include <QByteArray>
#include <QByteArrayView>

class CGDBChunkWayPoint;

class CGPXTagWayPoint {
public:
    // Name, cmt and desc hold at most this many bytes of UTF-8, cut at a character boundary.
    static constexpr qsizetype kMaxTextBytes = 127;
    // Garmin symbol codes of GDB waypoints and the symbol names written for them.
    static constexpr struct {
        int16_t icon;
        const char* sym;
    } kSymbols[] = {{28, "Navaid, Red"}, {46, "Park"},    {48, "Scenic Area"},
                    {70, "City (Medium)"}, {85, "School"}, {106, "Summit"}};
    static constexpr const char* kOtherSymbol = "City (Small)";

    static constexpr QByteArrayView kTag = "wpt";

    // Reads the element whose start tag begins at at in text; *end receives the position after
    // it. Absent or unreadable numbers are 0, absent texts empty; false for a damaged element.
    bool Parse(QByteArrayView text, qsizetype at, qsizetype* end);
    // A waypoint for a GDB record: its texts in UTF-8 (converted from the ANSI code page for
    // an 8-bit file), signed degrees, the height when defined, display mode and symbol.
    static CGPXTagWayPoint FromGDB(const CGDBChunkWayPoint& source);
    // The element as written, lines ended by CR LF, followed by an empty line.
    QByteArray XmlText() const;

    double latitude = 0;
    double longitude = 0;
    double elevation = 0;
    bool elevationDefined = false;
    QByteArray name; // UTF-8
    QByteArray cmt;
    QByteArray desc;
    QByteArray sym;
    QByteArray DisplayMode;
};
