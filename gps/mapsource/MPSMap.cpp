#include "gps/mapsource/MPSMap.h"

#include "gps/mapsource/MPSChunkHeader.h"

bool CMPSChunkMap::Parse(CMPSChunk& read, int version)
{
    TakeOver(read);
    isUtf8 = version >= CMPSChunkHeader44::kFirstUtf8Version;
    ByteCursor cursor(payload());
    char lead[kLeadSize];
    char trail[kTrailSize];
    QByteArrayView t, n, r;
    if (!cursor.ReadBytes(lead, kLeadSize, true) || !cursor.ReadCString(&t) || !cursor.ReadCString(&n)
        || !cursor.ReadCString(&r))
        return false;
    topo = t.toByteArray();
    name = n.toByteArray();
    region = r.toByteArray();
    cursor.ReadBytes(trail, kTrailSize, false);
    return true;
}

bool CMPSMap::Read(ByteCursor& cursor, int version)
{
    return ReadRecordsInto(cursor, CMPSChunk::kMap, &items, version);
}
