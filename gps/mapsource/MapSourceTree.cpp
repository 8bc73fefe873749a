#include "gps/mapsource/MapSourceTree.h"

#include "gps/GPSTreeWriters.h"

#include <cmath>
#include <limits>

namespace gps::mapsource {

QString RecordCaption(const char* kind, const CMPSChunk& record)
{
    return QString::fromLatin1(kind) + QStringLiteral(" size=") + QString::number(record.length())
        + QStringLiteral(", ID=") + QString::number(int(uint8_t(record.type())));
}

QString RecordCaption(const char* kind, const CMPSChunk& record, const QString& detail)
{
    return RecordCaption(kind, record) + QStringLiteral(" (") + detail + u')';
}

QString TrackDetail(const QString& name, size_t points)
{
    return name + QStringLiteral(", ") + QString::number(points) + QStringLiteral(" points");
}

GPSTreeItem TreeAddStoredDouble(IGPSInspectionTree* tree, GPSTreeItem parent, const char* label, double value)
{
    if (std::isfinite(value) && std::fabs(value) <= double(std::numeric_limits<float>::max()))
        return TreeAddFloat(tree, parent, label, float(value));
    return TreeAddDouble(tree, parent, label, value);
}

QString RecordText(QByteArrayView bytes, bool isUtf8)
{
    if (!isUtf8)
        return AnsiText(bytes);
    const qsizetype end = bytes.indexOf('\0');
    return QString::fromUtf8(end < 0 ? bytes : bytes.first(end));
}

QString MarkerText(QByteArrayView marker)
{
    return QString::fromLatin1(marker.endsWith('\0') ? marker.chopped(1) : marker);
}

QString PointCaption(size_t index) { return QStringLiteral("Point ") + QString::number(index + 1); }

} // namespace gps::mapsource
