#pragma once
// What an independent reader makes of a GPX file: gpsbabel reads it and writes it out again
// as GPX, which Qt's XML reader then takes apart.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct GpxPoint {
    double lat = 0, lon = 0;
    std::optional<double> ele;
    QString time; // as written, empty when absent
};

struct GpxWaypoint {
    GpxPoint position;
    QString name, cmt, desc, sym;
};

struct GpxTrack {
    QString name;
    std::vector<GpxPoint> points; // of all segments, in order
};

struct GpxContent {
    std::vector<GpxWaypoint> waypoints;
    std::vector<GpxTrack> tracks;
};

// The waypoints and tracks of GPX text, by Qt's XML stream reader; false when it is not
// well-formed.
bool ParseGpxText(const QByteArray& gpx, GpxContent* content);
// What gpsbabel reads from the GPS file at path in its format (gpsbabel's name: "gpx", "gdb",
// ...); false when gpsbabel fails.
bool GpsbabelReading(const QString& path, GpxContent* content,
                     const QString& format = QStringLiteral("gpx"));
// Seconds since 1970 UTC of a dateTime text (fractions dropped), by QDateTime; 0 when empty.
int64_t SecondsOf(const QString& time);

// Path of xmllint, empty when it is not installed.
QString XmlLint();
// Whether xmllint finds the file well-formed; its messages in *errors.
bool WellFormed(const QString& path, QByteArray* errors);
