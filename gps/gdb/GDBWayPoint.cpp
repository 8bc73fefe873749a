#include "gps/gdb/GDBWayPoint.h"

#include "gps/GPSRecords.h"
#include "gps/mps/MPSWayPoint.h"
#include "gps/GPSText.h"
#include "gps/mapsource/MPSDefinedValues.h"
#include "platform/CodePage.h"

namespace {

QByteArray ToUtf8Cut(const QByteArray& text, bool isUtf8, qsizetype maxUnits)
{
    return isUtf8 ? text : platform::ToUtf8(gps::CutText(platform::FromAnsi(text), maxUnits));
}

// Whole: an ANSI character takes one byte or more, so it never gives more UTF-16 units.
QByteArray ToUtf8Whole(const QByteArray& text, bool isUtf8) { return ToUtf8Cut(text, isUtf8, text.size()); }

QString Decode(const QByteArray& text, bool isUtf8)
{
    return isUtf8 ? platform::FromUtf8(text) : platform::FromAnsi(text);
}

} // namespace

bool CGDBChunkWayPoint::ParseHead(ByteCursor& cursor)
{
    QByteArrayView name, text;
    if (!cursor.ReadCString(&name) || cursor.remaining() < kMinAfterName)
        return false;
    Name = name.toByteArray();
    return cursor.Skip(kClassSize) && cursor.ReadCString(&text) && cursor.Skip(kSubclassSize)
        && cursor.ReadInt32(&Latitude) && cursor.ReadInt32(&Longitude)
        && cursor.ReadOptionalDouble(&HeightDefined, &Height);
}

bool CGDBChunkWayPoint::ParseTail(ByteCursor& cursor, int version)
{
    QByteArrayView description, city, url;
    if (!cursor.ReadCString(&description) || !cursor.ReadOptionalDouble(&WarningDefined, &Warning)
        || !cursor.ReadInt32(&Display) || !cursor.ReadInt32(&Color) || !cursor.ReadInt16(&Icon)
        || !cursor.Skip(kAfterIconSize) || !cursor.ReadCString(&city) || !cursor.Skip(kAfterCitySize)
        || !cursor.ReadOptionalDouble(&DepthDefined, &Depth) || !cursor.Skip(kAfterDepthSize))
        return false;
    Description = description.toByteArray();
    if (version >= kFirstHasUrlVersion && !cursor.ReadInt32(&HasURL))
        return false;
    if (!cursor.ReadCString(&url) || !cursor.ReadInt16(&Category)
        || !cursor.ReadOptionalDouble(&TempatureDefined, &Tempature) || !cursor.ReadByte(&TimeDefined))
        return false;
    URL = url.toByteArray();
    return !TimeDefined || cursor.ReadInt32(&Time);
}

bool CGDBChunkWayPoint::Parse(CMPSChunk& read, int version)
{
    TakeOver(read);
    isUtf8 = version >= kFirstHasUrlVersion;
    ByteCursor cursor(payload());
    return ParseHead(cursor) && ParseTail(cursor, version);
}

void CGDBChunkWayPoint::BuildPayload()
{
    QByteArray bytes;
    ByteWriter out(&bytes);
    out.WriteCString(Name);
    out.WriteZeros(kClassSize);
    out.WriteCString({});
    out.WriteBytes(QByteArrayView(kSubclassWritten, kSubclassSize));
    out.WriteInt32(Latitude);
    out.WriteInt32(Longitude);
    out.WriteOptionalDouble(HeightDefined, Height);
    out.WriteCString(Description);
    out.WriteOptionalDouble(WarningDefined, Warning);
    out.WriteInt32(Display);
    out.WriteInt32(Color);
    out.WriteInt16(Icon);
    out.WriteZeros(kAfterIconSize);
    out.WriteCString({});
    out.WriteZeros(kAfterCitySize);
    out.WriteOptionalDouble(DepthDefined, Depth);
    out.WriteZeros(kAfterDepthSize);
    out.WriteInt32(HasURL);
    out.WriteCString(URL);
    out.WriteInt16(Category);
    out.WriteOptionalDouble(TempatureDefined, Tempature);
    out.WriteByte(TimeDefined);
    if (TimeDefined)
        out.WriteInt32(Time);
    out.WriteZeros(HasURL ? kTrailingZerosAfterUrl : kTrailingZeros);
    SetPayload(kWayPoint, std::move(bytes));
}

std::unique_ptr<CGDBChunkWayPoint> CGDBChunkWayPoint::CopyOf(const CGDBChunkWayPoint& source)
{
    auto copy = std::make_unique<CGDBChunkWayPoint>();
    copy->Name = ToUtf8Cut(source.Name, source.isUtf8, GPSWayPointRecordW::kNameSize - 1);
    copy->Description = ToUtf8Whole(source.Description, source.isUtf8);
    copy->Latitude = source.Latitude;
    copy->Longitude = source.Longitude;
    copy->HeightDefined = source.HeightDefined;
    copy->Height = source.Height;
    copy->WarningDefined = source.WarningDefined;
    copy->Warning = source.Warning;
    copy->Display = source.Display;
    copy->Color = source.Color;
    copy->Icon = source.Icon;
    copy->DepthDefined = source.DepthDefined;
    copy->Depth = source.Depth;
    return copy;
}

std::unique_ptr<CGDBChunkWayPoint> CGDBChunkWayPoint::ConvertFromMPS(const CMPSChunkWayPoint& source)
{
    auto copy = std::make_unique<CGDBChunkWayPoint>();
    copy->Name = ToUtf8Cut(source.Name, false, GPSWayPointRecordW::kNameSize - 1);
    copy->Description = platform::ToUtf8(source.DescriptionText());
    // An MPS record holds every value; those behind a clear defined byte are not copied.
    gps::mapsource::CopyWayPointValues(*copy, source);
    copy->Icon = source.Icon;
    return copy;
}

std::unique_ptr<CGDBChunkWayPoint> CGDBChunkWayPoint::Rewritten() const
{
    auto copy = CopyOf(*this);
    copy->Name = ToUtf8Whole(Name, isUtf8);
    copy->Description = ToUtf8Whole(Description, isUtf8);
    copy->URL = ToUtf8Whole(URL, isUtf8);
    // An 8-bit record has no URL flag, but its URL text is written all the same; readers
    // that trust the flag would take that text for the category, time and what follows.
    copy->HasURL = 1;
    copy->Category = Category;
    copy->TempatureDefined = TempatureDefined;
    copy->Tempature = Tempature;
    copy->TimeDefined = TimeDefined;
    copy->Time = Time;
    copy->BuildPayload();
    return copy;
}

QString CGDBChunkWayPoint::NameText() const { return Decode(Name, isUtf8); }
QString CGDBChunkWayPoint::DescriptionText() const { return Decode(Description, isUtf8); }

bool CGDBWayPoint::Read(ByteCursor& cursor, int version)
{
    return ReadRecordsInto(cursor, CMPSChunk::kWayPoint, &items, version);
}
