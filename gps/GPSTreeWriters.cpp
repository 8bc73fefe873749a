#include "gps/GPSTreeWriters.h"

#include "gps/GPSAngle.h"
#include "gps/GPSDate.h"
#include "gps/GPSFloat.h"
#include "gps/GPSSymbols.h"
#include "platform/CodePage.h"

#include <cmath>
#include <limits>

namespace gps {

namespace {

GPSTreeItem AddLine(IGPSInspectionTree* tree, GPSTreeItem parent, const char* label, const QString& value)
{
    return tree->InsertItem(QString::fromUtf8(label) + QStringLiteral(" = ") + value, parent);
}

GPSTreeItem AddSymbol(IGPSInspectionTree* tree, GPSTreeItem parent, const QString& name, int16_t code)
{
    return AddLine(tree, parent, "Icon", name + QString::asprintf(" (0x%04X)", unsigned(uint16_t(code))));
}

} // namespace

GPSTreeItem TreeAddUInt(IGPSInspectionTree* tree, GPSTreeItem parent, const char* label, uint32_t value)
{
    return AddLine(tree, parent, label, QString::number(value));
}

GPSTreeItem TreeAddInt(IGPSInspectionTree* tree, GPSTreeItem parent, const char* label, int32_t value)
{
    return AddLine(tree, parent, label, QString::number(value));
}

GPSTreeItem TreeAddHex32(IGPSInspectionTree* tree, GPSTreeItem parent, const char* label, uint32_t value)
{
    return AddLine(tree, parent, label, QString::asprintf("0x%08X", value));
}

GPSTreeItem TreeAddHex16(IGPSInspectionTree* tree, GPSTreeItem parent, const char* label, uint16_t value)
{
    return AddLine(tree, parent, label, QString::asprintf("0x%04X", unsigned(value)));
}

GPSTreeItem TreeAddDouble(IGPSInspectionTree* tree, GPSTreeItem parent, const char* label, double value)
{
    return AddLine(tree, parent, label, QString::asprintf("%f", value));
}

GPSTreeItem TreeAddFloat(IGPSInspectionTree* tree, GPSTreeItem parent, const char* label, float value)
{
    const uint32_t bits = BitsOfFloat(value);
    if (IsUndefinedFloat(bits))
        return AddLine(tree, parent, label, QString::asprintf("Undefined (0x%08X)", bits));
    return AddLine(tree, parent, label, QString::asprintf("%f", double(value)));
}

GPSTreeItem TreeAddBytes(IGPSInspectionTree* tree, GPSTreeItem parent, const char* label, QByteArrayView bytes)
{
    QString text;
    for (char byte : bytes)
        text += QString::asprintf("%02X ", unsigned(uint8_t(byte)));
    return AddLine(tree, parent, label, text);
}

GPSTreeItem TreeAddPrefix(IGPSInspectionTree* tree, GPSTreeItem parent, QByteArrayView block)
{
    constexpr qsizetype kFirstLetter = 1, kLastLetter = 3;
    QString text;
    for (qsizetype i = 0; i < block.size() && i < kTreePrefixBytes; ++i) {
        const auto byte = uint8_t(block[i]);
        if (i >= kFirstLetter && i <= kLastLetter)
            text += QString::fromLatin1(reinterpret_cast<const char*>(&byte), 1) + u' ';
        else
            text += QString::asprintf("%02X ", unsigned(byte));
    }
    return AddLine(tree, parent, "Prefix", text);
}

GPSTreeItem TreeAddString(IGPSInspectionTree* tree, GPSTreeItem parent, const char* label, const QString& value)
{
    return AddLine(tree, parent, label, value);
}

GPSTreeItem TreeAddText(IGPSInspectionTree* tree, GPSTreeItem parent, const QString& text)
{
    return tree->InsertItem(text, parent);
}

GPSTreeItem TreeAddTime(IGPSInspectionTree* tree, GPSTreeItem parent, const char* label, uint32_t seconds,
                        int formatCode)
{
    if (seconds == kInvalidTimeStamp)
        return AddLine(tree, parent, label, QString::asprintf("0x%08X (Invalid)", seconds));
    GPSDate date;
    SecondsToLocalTime(seconds, &date, formatCode, true);
    return AddLine(tree, parent, label,
                   QString::asprintf("0x%08X (%02d:%02d:%02d, %d/%d/%d)", seconds, date.hour, date.minute,
                                     date.second, date.year, date.month, date.day));
}

GPSTreeItem TreeAddAngle(IGPSInspectionTree* tree, GPSTreeItem parent, const char* label, int32_t value)
{
    return AddLine(tree, parent, label,
                   QString::asprintf("%.5f (0x%08X)", GPSAngle::ToDegrees(value), uint32_t(value)));
}

GPSTreeItem TreeAddSymbolWTR(IGPSInspectionTree* tree, GPSTreeItem parent, int16_t code)
{
    return AddSymbol(tree, parent, GPSSymbols::DeviceSymbolName(code), code);
}

GPSTreeItem TreeAddSymbolMPS(IGPSInspectionTree* tree, GPSTreeItem parent, int16_t code)
{
    return AddSymbol(tree, parent, GPSSymbols::MPSSymbolName(code), code);
}

GPSTreeItem TreeAddSymbolGTM(IGPSInspectionTree* tree, GPSTreeItem parent, int32_t code)
{
    return AddSymbol(tree, parent, GPSSymbols::GTMSymbolName(code), int16_t(uint16_t(uint32_t(code))));
}

QString MetresText(double metres, bool defined)
{
    constexpr double kLow = double(std::numeric_limits<int>::min());
    constexpr double kHigh = double(std::numeric_limits<int>::max());
    if (!defined || !std::isfinite(metres) || metres <= kLow - 1 || metres >= kHigh + 1)
        return QStringLiteral("???m");
    return QString::number(int(metres)) + u'm';
}

QString MetresTextOfFloatBits(uint32_t bits)
{
    return MetresText(double(FloatOfBits(bits)), !IsUndefinedFloat(bits));
}

QString AnsiText(QByteArrayView bytes)
{
    const qsizetype end = bytes.indexOf('\0');
    return platform::FromAnsi(end < 0 ? bytes : bytes.first(end));
}

} // namespace gps
