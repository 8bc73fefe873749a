// The waterfall group: loading a waterfall's item file, or its up-to-date record from the item
// cache, and the rescan's offer of a file. A file is a waterfall when its Name is not empty.
#include "catalog/waterfall/GroupWaterfall.h"

#include "catalog/records/RecordText.h"

namespace {

const QString kNameKey = QStringLiteral("Name");

} // namespace

bool CGroupWaterfall::LoadItemFile(const QString& path, const platform::FileTime& writeTime)
{
    if (TakeCachedRecordFor<WaterfallItemRecord>(path, writeTime))
        return true;
    const QString name = ReadItemText(path, kNameKey);
    if (name.isEmpty() || !FitsRecordPath(path))
        return false;
    WaterfallItemRecord* r = AppendItem<WaterfallItemRecord>();
    if (!r)
        return false;
    SetRecordPath(r->path, path);
    SetFieldText(r->Name, name);
    ReadItemString(path, QStringLiteral("Name2"), r->Name2);
    r->Height = ReadItemInt(path, QStringLiteral("Height"));
    ReadItemString(path, QStringLiteral("Region"), r->Region);
    ReadVisits(path, r->Visits);
    ReadItemString(path, QStringLiteral("Waypoint"), r->Waypoint);
    ReadItemDouble(path, QStringLiteral("Longitude"), &r->Longitude, 0);
    ReadItemDouble(path, QStringLiteral("Attitude"), &r->Attitude, 0);
    return true;
}

bool CGroupWaterfall::TakeCachedItem(int position)
{
    return TakeCachedRecord<WaterfallItemRecord>(position);
}

bool CGroupWaterfall::AcceptItemFile(const QString& path, const platform::FileTime& writeTime)
{
    return LoadIfNew(path, writeTime);
}
