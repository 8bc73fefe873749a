// Loading a trail's item file, or its up-to-date record from the item cache.
#include "catalog/trail/GroupTrail.h"

#include "catalog/records/RecordText.h"

namespace {

const QString kNameKey = QStringLiteral("Name");
const QString kName2Key = QStringLiteral("Name2");
const QString kLengthKey = QStringLiteral("Length");
const QString kRegionKey = QStringLiteral("Region");
const QString kTrackKey = QStringLiteral("Track");

} // namespace

bool CGroupTrail::LoadItemFile(const QString& path, const platform::FileTime& writeTime)
{
    if (TakeCachedRecordFor<TrailItemRecord>(path, writeTime))
        return true;
    const QString name = ReadItemText(path, kNameKey);
    if (name.isEmpty() || !FitsRecordPath(path))
        return false;
    TrailItemRecord* record = AppendItem<TrailItemRecord>();
    if (!record)
        return false;
    SetRecordPath(record->path, path);
    SetFieldText(record->Name, name);
    ReadItemString(path, kName2Key, record->Name2);
    record->Length = ReadItemInt(path, kLengthKey);
    ReadItemString(path, kRegionKey, record->Region);
    ReadVisits(path, record->Visits);
    ReadAtlasRefs(path, record->AtlasRefs);
    ReadItemString(path, kTrackKey, record->Track);
    return true;
}

bool CGroupTrail::TakeCachedItem(int position)
{
    return TakeCachedRecord<TrailItemRecord>(position);
}

bool CGroupTrail::AcceptItemFile(const QString& path, const platform::FileTime& writeTime)
{
    return LoadIfNew(path, writeTime);
}
