#include "gps/mps/MPSWayPoint.h"

#include "gps/evo/EVOWayPoint.h"
#include "gps/gdb/GDBWayPoint.h"
#include "gps/GPSSymbols.h"
#include "gps/GPSRecords.h"
#include "gps/GPSText.h"
#include "gps/mapsource/MPSDefinedValues.h"
#include "gps/mps/MPSFromEVO.h"
#include "platform/CodePage.h"

namespace {

// A text of a GDB record in the ANSI code page, within a field of width bytes.
QByteArray AnsiField(const QByteArray& text, bool isUtf8, qsizetype width)
{
    QByteArray field(width, '\0');
    gps::Utf8ToAnsi(field.data(), width, text, isUtf8);
    return gps::FieldText(field.constData(), width).toByteArray();
}

template <size_t N> bool ReadHeld(ByteCursor& cursor, std::array<char, N>* bytes)
{
    return cursor.ReadBytes(bytes->data(), N, true);
}

template <size_t N> void WriteHeld(ByteWriter& out, const std::array<char, N>& bytes)
{
    out.WriteBytes(QByteArrayView(bytes.data(), qsizetype(N)));
}

bool ReadValue(ByteCursor& cursor, uint8_t* defined, double* value)
{
    return cursor.ReadByte(defined) && cursor.ReadDouble(value);
}

} // namespace

bool CMPSChunkWayPoint::Parse(CMPSChunk& read)
{
    TakeOver(read);
    ByteCursor cursor(payload());
    QByteArrayView name, heldText, description, secondText;
    if (!cursor.ReadCString(&name) || !cursor.ReadInt32(&HeldInt) || !cursor.ReadCString(&heldText)
        || !ReadHeld(cursor, &HeldBlock) || !cursor.ReadInt32(&Latitude) || !cursor.ReadInt32(&Longitude)
        || !ReadValue(cursor, &HeightDefined, &Height) || !cursor.ReadCString(&description)
        || !ReadValue(cursor, &WarningDefined, &Warning) || !cursor.ReadInt32(&Display)
        || !cursor.ReadInt32(&Color) || !cursor.ReadInt16(&Icon) || !ReadHeld(cursor, &AfterIcon)
        || !cursor.ReadCString(&secondText) || !ReadHeld(cursor, &AfterText)
        || !ReadValue(cursor, &DepthDefined, &Depth) || !ReadHeld(cursor, &AfterDepth))
        return false;
    Name = name.toByteArray();
    HeldText = heldText.toByteArray();
    Description = description.toByteArray();
    SecondHeldText = secondText.toByteArray();
    return true;
}

void CMPSChunkWayPoint::BuildPayload()
{
    QByteArray bytes;
    ByteWriter out(&bytes);
    out.WriteCString(Name);
    out.WriteInt32(HeldInt);
    out.WriteCString(HeldText);
    WriteHeld(out, HeldBlock);
    out.WriteInt32(Latitude);
    out.WriteInt32(Longitude);
    out.WriteByte(HeightDefined);
    out.WriteDouble(Height);
    out.WriteCString(Description);
    out.WriteByte(WarningDefined);
    out.WriteDouble(Warning);
    out.WriteInt32(Display);
    out.WriteInt32(Color);
    out.WriteInt16(Icon);
    WriteHeld(out, AfterIcon);
    out.WriteCString(SecondHeldText);
    WriteHeld(out, AfterText);
    out.WriteByte(DepthDefined);
    out.WriteDouble(Depth);
    WriteHeld(out, AfterDepth);
    SetPayload(kWayPoint, std::move(bytes));
}

int16_t CMPSChunkWayPoint::SymbolFromGDB(int16_t icon)
{
    if (icon >= kFirstMappedSymbol && icon <= kLastMappedSymbol)
        return kMappedSymbol;
    return icon > kLastKnownSymbol ? kDefaultSymbol : icon;
}

std::unique_ptr<CMPSChunkWayPoint> CMPSChunkWayPoint::ConvertFromGDB(const CGDBChunkWayPoint& source)
{
    auto waypoint = std::make_unique<CMPSChunkWayPoint>();
    waypoint->Name = AnsiField(source.Name, source.isUtf8, GPSWayPointRecord::kNameSize);
    waypoint->Description = AnsiField(source.Description, source.isUtf8, GPSWayPointRecord::kCommentSize);
    waypoint->HeldBlock = kHeldBlockWritten;
    gps::mapsource::CopyWayPointValues(*waypoint, source);
    waypoint->Icon = SymbolFromGDB(source.Icon);
    return waypoint;
}

int16_t CMPSChunkWayPoint::SymbolFromDevice(int16_t deviceCode)
{
    const std::optional<int16_t> mpsCode = GPSSymbols::MPSCodeOfDevice(deviceCode);
    if (!mpsCode)
        return deviceCode;
    return *mpsCode == 0 && deviceCode != 0 ? kDefaultSymbol : *mpsCode;
}

std::unique_ptr<CMPSChunkWayPoint> CMPSChunkWayPoint::ConvertFromEVO(const EVOWayPointRecord& source)
{
    auto waypoint = std::make_unique<CMPSChunkWayPoint>();
    waypoint->Name = source.Identifier;
    waypoint->Description = source.Comment;
    waypoint->HeldBlock = kHeldBlockWritten;
    waypoint->Latitude = source.Latitude;
    waypoint->Longitude = source.Longitude;
    gps::mps::ValueOfFloatBits(source.HeightBits, &waypoint->HeightDefined, &waypoint->Height);
    gps::mps::ValueOfFloatBits(source.DepthBits, &waypoint->DepthDefined, &waypoint->Depth);
    waypoint->Display = 1;
    waypoint->Icon = SymbolFromDevice(source.Symbol);
    return waypoint;
}

QString CMPSChunkWayPoint::NameText() const { return platform::FromAnsi(Name); }
QString CMPSChunkWayPoint::DescriptionText() const { return platform::FromAnsi(Description); }

bool CMPSWayPoint::Read(ByteCursor& cursor)
{
    return ReadRecordsInto(cursor, CMPSChunk::kWayPoint, &items);
}
