#include "gps/gdb/GDBWayPoint.h"
#include "gps/GPSTreeWriters.h"
#include "gps/mapsource/MapSourceTree.h"

#include <array>

using gps::mapsource::HeldBytes;
using gps::mapsource::RecordText;
using gps::mapsource::TreeAddStoredDouble;

namespace {

// The bytes and texts that the record carries without interpreting them, read again from its
// payload; zeros and empty texts where the payload does not hold them (a record not built yet).
struct HeldFields {
    std::array<char, CGDBChunkWayPoint::kClassSize> classBytes{};
    QByteArrayView text;
    std::array<char, CGDBChunkWayPoint::kSubclassSize> subclass{};
    std::array<char, CGDBChunkWayPoint::kAfterIconSize> afterIcon{};
    QByteArrayView city;
    std::array<char, CGDBChunkWayPoint::kAfterCitySize> afterCity{};
    std::array<char, CGDBChunkWayPoint::kAfterDepthSize> afterDepth{};
};

template <size_t N>
bool ReadHeld(ByteCursor& cursor, std::array<char, N>* bytes)
{
    return cursor.ReadBytes(bytes->data(), N, true);
}

bool ReadHeldFields(ByteCursor& cursor, HeldFields* held)
{
    constexpr size_t kPosition = 8;                      // latitude and longitude
    constexpr size_t kDisplayColorIcon = 4 + 4 + 2;
    QByteArrayView text;
    uint8_t defined = 0;
    double value = 0;
    return cursor.ReadCString(&text) && ReadHeld(cursor, &held->classBytes) && cursor.ReadCString(&held->text)
        && ReadHeld(cursor, &held->subclass) && cursor.Skip(kPosition)
        && cursor.ReadOptionalDouble(&defined, &value) && cursor.ReadCString(&text)
        && cursor.ReadOptionalDouble(&defined, &value) && cursor.Skip(kDisplayColorIcon)
        && ReadHeld(cursor, &held->afterIcon) && cursor.ReadCString(&held->city) && ReadHeld(cursor, &held->afterCity)
        && cursor.ReadOptionalDouble(&defined, &value) && ReadHeld(cursor, &held->afterDepth);
}

HeldFields HeldFieldsOf(const QByteArray& payload)
{
    HeldFields held;
    ByteCursor cursor(payload);
    if (!ReadHeldFields(cursor, &held))
        held = HeldFields();
    return held;
}

} // namespace

GPSTreeItem CGDBChunkWayPoint::FillTree(IGPSInspectionTree* tree, GPSTreeItem parent)
{
    const QString name = RecordText(Name, isUtf8);
    const GPSTreeItem item = tree->InsertItem(
        gps::mapsource::RecordCaption("WayPoint", *this,
                                      name + QStringLiteral(", ") + gps::MetresText(Height, HeightDefined != 0)),
        parent);
    const HeldFields held = HeldFieldsOf(payload());
    gps::TreeAddString(tree, item, "Name", name);
    gps::TreeAddBytes(tree, item, "???", HeldBytes(held.classBytes));
    if (!held.text.isEmpty())
        gps::TreeAddString(tree, item, "???string", RecordText(held.text, isUtf8));
    gps::TreeAddBytes(tree, item, "???", HeldBytes(held.subclass));
    gps::TreeAddAngle(tree, item, "Latitude", Latitude);
    gps::TreeAddAngle(tree, item, "Longitude", Longitude);
    gps::TreeAddUInt(tree, item, "HeightDefined", HeightDefined);
    if (HeightDefined)
        TreeAddStoredDouble(tree, item, "Height", Height);
    gps::TreeAddString(tree, item, "Description", RecordText(Description, isUtf8));
    gps::TreeAddUInt(tree, item, "WarningDefined", WarningDefined);
    if (WarningDefined)
        TreeAddStoredDouble(tree, item, "Warning", Warning);
    gps::TreeAddUInt(tree, item, "Display", uint32_t(Display));
    gps::TreeAddUInt(tree, item, "Color", uint32_t(Color));
    gps::TreeAddSymbolMPS(tree, item, Icon);
    gps::TreeAddBytes(tree, item, "???", HeldBytes(held.afterIcon));
    gps::TreeAddString(tree, item, "???string", RecordText(held.city, isUtf8));
    gps::TreeAddBytes(tree, item, "???", HeldBytes(held.afterCity));
    gps::TreeAddUInt(tree, item, "DepthDefined", DepthDefined);
    if (DepthDefined)
        TreeAddStoredDouble(tree, item, "Depth", Depth);
    gps::TreeAddBytes(tree, item, "???", HeldBytes(held.afterDepth));
    FillTail(tree, item);
    return item;
}

void CGDBChunkWayPoint::FillTail(IGPSInspectionTree* tree, GPSTreeItem item) const
{
    constexpr int kTimeFormat = 104; // seconds since 1970
    if (isUtf8)
        gps::TreeAddInt(tree, item, "HasURL", HasURL);
    if (!URL.isEmpty())
        gps::TreeAddString(tree, item, "URL", RecordText(URL, isUtf8));
    gps::TreeAddInt(tree, item, "Category", Category);
    gps::TreeAddUInt(tree, item, "TempatureDefined", TempatureDefined);
    if (TempatureDefined)
        TreeAddStoredDouble(tree, item, "Tempature", Tempature);
    gps::TreeAddUInt(tree, item, "TimeDefined", TimeDefined);
    if (TimeDefined)
        gps::TreeAddTime(tree, item, "Time", uint32_t(Time), kTimeFormat);
}
