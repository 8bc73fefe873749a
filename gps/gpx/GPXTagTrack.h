#pragma once
// One trk element of a GPX file with the points of all its segments.
#include <QByteArray>
#include <QByteArrayView>
#include <vector>

class CGDBChunkTrack;

struct GPXTrackPoint {
    double latitude = 0;
    double longitude = 0;
    double elevation = 0;
    bool elevationDefined = false;
    QByteArray time; // the time text as found (references decoded); empty when absent
};

class CGPXTagTrack {
public:
    static constexpr qsizetype kMaxNameBytes = 127;
    static constexpr QByteArrayView kNoName = "Noname";
    // Colour codes of GDB tracks and the Garmin colour names written for them.
    static constexpr struct {
        int32_t color;
        const char* name;
    } kColors[] = {{0, "White"},       {2, "DarkRed"},  {3, "DarkGreen"}, {5, "DarkBlue"},
                   {6, "DarkMagenta"}, {7, "DarkCyan"}, {10, "Red"},      {14, "Magenta"}};
    static constexpr const char* kOtherColor = "Cyan";

    static constexpr QByteArrayView kTag = "trk";
    static constexpr QByteArrayView kSegmentTag = "trkseg";
    static constexpr QByteArrayView kPointTag = "trkpt";

    // Reads the element whose start tag begins at at in text (*end receives the position after
    // it): the name and colour before the first segment, then the points of every segment in
    // order, in one pass. False for a damaged element.
    bool Parse(QByteArrayView text, qsizetype at, qsizetype* end);
    // A track for a GDB record: its name in UTF-8, the colour, and per point signed degrees,
    // the height and the time (UTC) when defined.
    static CGPXTagTrack FromGDB(const CGDBChunkTrack& source);
    // The element as written, lines ended by CR LF, followed by an empty line.
    QByteArray XmlText() const;

    QByteArray name; // UTF-8
    QByteArray DisplayColor;
    std::vector<GPXTrackPoint> points;

private:
    bool ParseSegment(QByteArrayView text, qsizetype at, qsizetype* end);
    // Name and colour from the track's children before its first segment.
    bool ParseHead(QByteArrayView head);
};
