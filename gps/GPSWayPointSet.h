#pragma once
// A group's waypoints from its all-in-one GPS file, with one used flag per waypoint and the
// look-ups by which an item finds its waypoint.
#include "gps/GPSFile.h"

#include <QStringView>
#include <memory>
#include <vector>

class GPSWayPointSet {
public:
    // Takes over a loaded file (or null) and reads its waypoints; the used flags start clear.
    // Waypoints that cannot be read leave the set without waypoints but holding the file.
    void Fill(std::unique_ptr<CGPSFile> loaded);
    void Free();

    // First waypoint whose whole name equals text (case matters); -1 for an empty text or no
    // match. Used entries are found too.
    int FindByName(QStringView text) const;
    // The last free waypoint whose name without trailing digits equals text; *matches counts
    // the free waypoints that match.
    int FindByBaseName(QStringView text, int* matches) const;

    std::unique_ptr<CGPSFile> file;
    int count = 0;
    std::vector<GPSWayPointRecordW> items;
    std::vector<uint8_t> used;
};

// Reads the waypoints of file into records (exactly the count); false when there are none
// or they cannot be read.
bool ReadWayPoints(const CGPSFile& file, std::vector<GPSWayPointRecordW>* records);
