// The plant group: loading a plant's item file, or its up-to-date record from the item cache.
// A file is a plant when its [Plant] Name is not empty.
#include "catalog/plant/GroupPlant.h"

#include "catalog/records/RecordText.h"

bool CGroupPlant::LoadItemFile(const QString& path, const platform::FileTime& writeTime)
{
    if (TakeCachedRecordFor<PlantItemRecord>(path, writeTime))
        return true;
    const QString name = ReadItemText(path, QStringLiteral("Name"));
    if (name.isEmpty() || !FitsRecordPath(path))
        return false;
    PlantItemRecord* r = AppendItem<PlantItemRecord>();
    if (!r)
        return false;
    SetRecordPath(r->path, path);
    SetFieldText(r->Name, name);
    ReadItemString(path, QStringLiteral("Name2"), r->Name2);
    ReadItemString(path, QStringLiteral("Class"), r->Class);
    return true;
}

bool CGroupPlant::TakeCachedItem(int position)
{
    return TakeCachedRecord<PlantItemRecord>(position);
}
