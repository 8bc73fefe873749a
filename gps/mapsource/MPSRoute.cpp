#include "gps/mapsource/MPSRoute.h"

#include "gps/mapsource/MPSChunkHeader.h"

bool CMPSChunkRoute::Parse(CMPSChunk& read, int version)
{
    TakeOver(read);
    isUtf8 = version >= CMPSChunkHeader44::kFirstUtf8Version;
    ByteCursor cursor(payload());
    QByteArrayView text;
    if (!cursor.ReadCString(&text) || !cursor.Skip(kHeldSize))
        return false;
    name = text.toByteArray();
    return true;
}

bool CMPSRoute::Read(ByteCursor& cursor, int version)
{
    return ReadRecordsInto(cursor, CMPSChunk::kRoute, &items, version);
}
