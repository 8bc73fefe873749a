#include "GpxTestSupport.h"

#include "GpsBabel.h"

#include <QDateTime>
#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamReader>

namespace {

void ReadPointChild(QXmlStreamReader& xml, GpxPoint* point, GpxWaypoint* waypoint)
{
    const QString tag = xml.name().toString();
    const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    if (tag == u"ele")
        point->ele = text.toDouble();
    else if (tag == u"time")
        point->time = text;
    else if (waypoint && tag == u"name")
        waypoint->name = text;
    else if (waypoint && tag == u"cmt")
        waypoint->cmt = text;
    else if (waypoint && tag == u"desc")
        waypoint->desc = text;
    else if (waypoint && tag == u"sym")
        waypoint->sym = text;
}

GpxPoint Position(const QXmlStreamReader& xml)
{
    GpxPoint point;
    point.lat = xml.attributes().value("lat").toDouble();
    point.lon = xml.attributes().value("lon").toDouble();
    return point;
}

} // namespace

bool ParseGpxText(const QByteArray& gpx, GpxContent* content)
{
    *content = GpxContent();
    QXmlStreamReader xml(gpx);
    GpxWaypoint* waypoint = nullptr;
    GpxPoint* point = nullptr; // the wpt or trkpt being read
    GpxTrack* track = nullptr;
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringView name = xml.name();
        if (xml.isEndElement() && (name == u"wpt" || name == u"trkpt")) {
            point = nullptr;
            waypoint = nullptr;
        } else if (xml.isEndElement() && name == u"trk") {
            track = nullptr;
        }
        if (!xml.isStartElement())
            continue;
        if (name == u"wpt") {
            waypoint = &content->waypoints.emplace_back();
            waypoint->position = Position(xml);
            point = &waypoint->position;
        } else if (name == u"trk") {
            track = &content->tracks.emplace_back();
        } else if (name == u"trkpt" && track) {
            point = &track->points.emplace_back(Position(xml));
        } else if (point) {
            ReadPointChild(xml, point, waypoint);
        } else if (track && name == u"name") {
            track->name = xml.readElementText();
        }
    }
    return !xml.hasError();
}

bool GpsbabelReading(const QString& path, GpxContent* content, const QString& format)
{
    QByteArray gpx;
    return RunGpsBabel({"-i", format, "-f", path, "-o", "gpx,gpxver=1.1", "-F", "-"}, &gpx)
        && ParseGpxText(gpx, content);
}

int64_t SecondsOf(const QString& time)
{
    if (time.isEmpty())
        return 0;
    const QDateTime dateTime = QDateTime::fromString(time, Qt::ISODateWithMs);
    return dateTime.isValid() ? dateTime.toMSecsSinceEpoch() / 1000 : 0;
}

QString XmlLint() { return QStandardPaths::findExecutable(QStringLiteral("xmllint")); }

bool WellFormed(const QString& path, QByteArray* errors)
{
    QProcess process;
    process.start(XmlLint(), {"--noout", path});
    if (!process.waitForFinished(60000))
        return false;
    *errors = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}
