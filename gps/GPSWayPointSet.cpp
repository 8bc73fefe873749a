#include "gps/GPSWayPointSet.h"

#include "gps/GPSNameMatch.h"

bool ReadWayPoints(const CGPSFile& file, std::vector<GPSWayPointRecordW>* records)
{
    const int count = file.GetWayPointCount();
    records->assign(size_t(std::max(count, 0)), GPSWayPointRecordW{});
    if (count > 0 && file.GetWayPointsW(records->data()))
        return true;
    records->clear();
    return false;
}

void GPSWayPointSet::Fill(std::unique_ptr<CGPSFile> loaded)
{
    Free();
    file = std::move(loaded);
    if (!file)
        return;
    ReadWayPoints(*file, &items);
    count = int(items.size());
    used.assign(items.size(), 0);
}

void GPSWayPointSet::Free()
{
    file.reset();
    count = 0;
    items.clear();
    used.clear();
}

int GPSWayPointSet::FindByName(QStringView text) const { return gps::FindRecordByName(items, text); }

int GPSWayPointSet::FindByBaseName(QStringView text, int* matches) const
{
    return gps::FindRecordByBaseName(items, used, text, matches);
}
