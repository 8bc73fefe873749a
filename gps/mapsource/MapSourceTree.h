#pragma once
// Pieces that the inspection trees of the MapSource records (GDB and MPS) and of GPX files
// share: record captions, stored doubles and texts.
#include "gps/GPSInspection.h"
#include "gps/GPSTreeWriters.h"
#include "gps/mapsource/MPSChunk.h"

#include <QByteArrayView>
#include <QString>
#include <array>
#include <memory>
#include <vector>

namespace gps::mapsource {

// "<kind> size=%u, ID=%d" of a record: its payload length and its type letter as a number.
QString RecordCaption(const char* kind, const CMPSChunk& record);
// The caption followed by " (detail)".
QString RecordCaption(const char* kind, const CMPSChunk& record, const QString& detail);
// "name, N points" of a track's caption.
QString TrackDetail(const QString& name, size_t points);
// The held bytes of a record.
template <size_t N>
QByteArrayView HeldBytes(const std::array<char, N>& bytes)
{
    return QByteArrayView(bytes.data(), qsizetype(N));
}
// A double through TreeAddFloat when a float holds it (so the missing-value patterns show as
// undefined), else unnarrowed through TreeAddDouble.
GPSTreeItem TreeAddStoredDouble(IGPSInspectionTree* tree, GPSTreeItem parent, const char* label, double value);
// A text of a record: UTF-8 or the ANSI code page, up to its first zero byte.
QString RecordText(QByteArrayView bytes, bool isUtf8);
// "Point %d" and a point's caption number, counted from 1.
QString PointCaption(size_t index);

// A marker of the file shown without its zero byte.
QString MarkerText(QByteArrayView marker);

// A part with "<totalLabel> = N" and one node per record; expanded.
template <class Record>
GPSTreeItem AddRecordPart(IGPSInspectionTree* tree, GPSTreeItem parent, const QString& caption,
                          const char* totalLabel, const std::vector<std::unique_ptr<Record>>& records)
{
    return TreeAddPart(tree, parent, caption, true, [&](GPSTreeItem part) {
        TreeAddUInt(tree, part, totalLabel, uint32_t(records.size()));
        for (const auto& record : records)
            record->FillTree(tree, part);
    });
}

} // namespace gps::mapsource
