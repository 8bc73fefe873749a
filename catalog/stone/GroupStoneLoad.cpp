// The survey-stone group: loading a stone's item file, or its up-to-date record from the item
// cache. A file is a stone when its [Stone] Stone is not empty; the name is optional.
#include "catalog/stone/GroupStone.h"

#include "catalog/records/RecordText.h"

namespace {

const QString kStoneKey = QStringLiteral("Stone");

} // namespace

bool CGroupStone::LoadItemFile(const QString& path, const platform::FileTime& writeTime)
{
    if (TakeCachedRecordFor<StoneItemRecord>(path, writeTime))
        return true;
    const QString stone = ReadItemText(path, kStoneKey);
    if (stone.isEmpty() || !FitsRecordPath(path))
        return false;
    StoneItemRecord* r = AppendItem<StoneItemRecord>();
    if (!r)
        return false;
    SetRecordPath(r->path, path);
    SetFieldText(r->Stone, stone);
    r->Height = ReadItemInt(path, QStringLiteral("Height"));
    ReadItemString(path, QStringLiteral("Name"), r->Name);
    ReadItemString(path, QStringLiteral("Region"), r->Region);
    ReadItemString(path, QStringLiteral("StoneStatus"), r->StoneStatus);
    ReadItemString(path, QStringLiteral("StoneAlias"), r->StoneAlias);
    ReadVisits(path, r->Visits);
    ReadItemString(path, QStringLiteral("Waypoint"), r->Waypoint);
    ReadItemDouble(path, QStringLiteral("Longitude"), &r->Longitude, 0);
    ReadItemDouble(path, QStringLiteral("Attitude"), &r->Attitude, 0);
    return true;
}

bool CGroupStone::TakeCachedItem(int position)
{
    return TakeCachedRecord<StoneItemRecord>(position);
}
