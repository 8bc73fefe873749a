#pragma once
// The owned records of one kind in a GPS file, in file order, and the hand-out shapes that
// every format's waypoint and track lists share: each format supplies only how one of its
// records becomes an exchange record.
#include "gps/GPSRecords.h"
#include "gps/GPSSymbols.h"

#include <QByteArrayView>
#include <algorithm>
#include <memory>
#include <vector>

template <class Record>
class CGPSRecordList {
public:
    void RemoveAll() { items.clear(); }
    int count() const { return int(items.size()); }
    // Index of the first record whose Name has exactly these bytes, or -1.
    int Find(QByteArrayView name) const
    {
        for (size_t i = 0; i < items.size(); ++i) {
            if (items[i]->Name == name)
                return int(i);
        }
        return -1;
    }

    std::vector<std::unique_ptr<Record>> items;
};

namespace gps {

template <class Item>
using OwnedItems = std::vector<std::unique_ptr<Item>>;

// An item of a list that holds its records by value or owns them through pointers.
template <class Item> const Item& ItemOf(const Item& item) { return item; }
template <class Item> const Item& ItemOf(const std::unique_ptr<Item>& item) { return *item; }

// One exchange record per item, in order, through fill(item, record); 0 for a null array.
template <class Items, class Out, class Fill>
int FillEach(const Items& items, Out* records, Fill fill)
{
    if (!records)
        return 0;
    for (const auto& item : items)
        fill(ItemOf(item), *records++);
    return 1;
}

// The exchange record of item index alone; 0 for a null record or an index out of range.
template <class Items, class Out, class Fill>
int FillAt(const Items& items, int index, Out* record, Fill fill)
{
    if (!record || index < 0 || index >= int(items.size()))
        return 0;
    fill(ItemOf(items[size_t(index)]), *record);
    return 1;
}

// The MapSource symbol of item index: the code symbol(item) converts it to, or the plain
// waypoint symbol when there is none, it is 0, or the index is out of range.
template <class Items, class Symbol>
int16_t SymbolAt(const Items& items, int index, Symbol symbol)
{
    if (index < 0 || index >= int(items.size()))
        return GPSSymbols::kWayPointMPSCode;
    return GPSSymbols::MPSSymbolOr(symbol(ItemOf(items[size_t(index)])));
}

// The sum of the tracks' point counts, at most INT32_MAX.
template <class Tracks>
int PointTotal(const Tracks& tracks)
{
    int64_t total = 0;
    for (const auto& track : tracks)
        total += int64_t(ItemOf(track).points.size());
    return int(std::min<int64_t>(total, INT32_MAX));
}

// Track records (narrow or wide): the name through name(track, field), the point count, and
// reserved 0. 0 for a null array.
template <class Tracks, class Out, class Name>
int FillTrackRecords(const Tracks& tracks, Out* records, Name name)
{
    return FillEach(tracks, records, [&](const auto& track, Out& record) {
        name(track, record.name);
        record.pointCount = int32_t(track.points.size());
        record.reserved = 0;
    });
}

// The name and points of track index: the name through name(track, field), each point
// through point(&exchangePoint, point). 0 for a null out; 1 and nothing filled for an index
// out of range.
template <class Tracks, class Name, class Point>
int FillTrackPoints(const Tracks& tracks, int index, GPSTrackPointList* out, Name name, Point point)
{
    if (!out)
        return 0;
    if (index < 0 || index >= int(tracks.size()))
        return 1;
    const auto& track = ItemOf(tracks[size_t(index)]);
    name(track, out->name);
    out->count = int32_t(track.points.size());
    out->points.reset(new GPSTrackPoint[track.points.size()]);
    for (size_t i = 0; i < track.points.size(); ++i)
        point(&out->points[i], track.points[i]);
    return 1;
}

} // namespace gps
