#pragma once
// The field writers of the inspection trees: each adds one line "label = value" as the last
// child of parent and returns the new item. Numbers are formatted in the C locale; texts are
// handed over already decoded, so no line is cut.
#include "gps/GPSInspection.h"

#include <QByteArrayView>
#include <QString>
#include <cstdint>

namespace gps {

// A marker block of the WTR format.
constexpr int kTreePrefixBytes = 16;

GPSTreeItem TreeAddUInt(IGPSInspectionTree* tree, GPSTreeItem parent, const char* label, uint32_t value);
GPSTreeItem TreeAddInt(IGPSInspectionTree* tree, GPSTreeItem parent, const char* label, int32_t value);
GPSTreeItem TreeAddHex32(IGPSInspectionTree* tree, GPSTreeItem parent, const char* label, uint32_t value);
GPSTreeItem TreeAddHex16(IGPSInspectionTree* tree, GPSTreeItem parent, const char* label, uint16_t value);
GPSTreeItem TreeAddDouble(IGPSInspectionTree* tree, GPSTreeItem parent, const char* label, double value);
// "Undefined (0x69045951)" for the missing-value patterns, else the value.
GPSTreeItem TreeAddFloat(IGPSInspectionTree* tree, GPSTreeItem parent, const char* label, float value);
// Each byte as "%02X ".
GPSTreeItem TreeAddBytes(IGPSInspectionTree* tree, GPSTreeItem parent, const char* label, QByteArrayView bytes);
// "Prefix = " and a 16-byte marker block: bytes 1 to 3 as letters, the others in hexadecimal.
GPSTreeItem TreeAddPrefix(IGPSInspectionTree* tree, GPSTreeItem parent, QByteArrayView block);
GPSTreeItem TreeAddString(IGPSInspectionTree* tree, GPSTreeItem parent, const char* label, const QString& value);
GPSTreeItem TreeAddText(IGPSInspectionTree* tree, GPSTreeItem parent, const QString& text);
// The raw stamp and the Taiwan time of day and date it stands for in the format's epoch;
// 0xFFFFFFFF shows as invalid.
GPSTreeItem TreeAddTime(IGPSInspectionTree* tree, GPSTreeItem parent, const char* label, uint32_t seconds,
                        int formatCode);
// Signed degrees and the raw bits.
GPSTreeItem TreeAddAngle(IGPSInspectionTree* tree, GPSTreeItem parent, const char* label, int32_t value);
// "Icon = name (0x%04X)" through the device, MapSource or GPS TrackMaker symbol names.
GPSTreeItem TreeAddSymbolWTR(IGPSInspectionTree* tree, GPSTreeItem parent, int16_t code);
GPSTreeItem TreeAddSymbolMPS(IGPSInspectionTree* tree, GPSTreeItem parent, int16_t code);
GPSTreeItem TreeAddSymbolGTM(IGPSInspectionTree* tree, GPSTreeItem parent, int32_t code);

// Record captions: whole metres as "%dm", or "???m" when the height is missing, not finite
// or outside int.
QString MetresText(double metres, bool defined = true);
// The same for a stored float: "???m" for the missing-value patterns too.
QString MetresTextOfFloatBits(uint32_t bits);
// Text of a field in the ANSI code page, up to its first zero byte.
QString AnsiText(QByteArrayView bytes);

// Inserts a part item under parent, lets fill add its children, expands it when asked and
// returns it.
template <class Fill>
GPSTreeItem TreeAddPart(IGPSInspectionTree* tree, GPSTreeItem parent, const QString& caption, bool expand, Fill fill)
{
    const GPSTreeItem part = tree->InsertItem(caption, parent);
    fill(part);
    if (expand)
        tree->Expand(part);
    return part;
}

} // namespace gps
