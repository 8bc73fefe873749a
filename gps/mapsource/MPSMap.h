#pragma once
// 'L' map records of the MapSource formats and the list of them.
#include "gps/GPSRecordList.h"
#include "gps/mapsource/MPSChunk.h"

#include <memory>
#include <vector>

class CMPSChunkMap : public CMPSChunk {
public:
    static constexpr size_t kLeadSize = 8;  // held, not interpreted
    static constexpr size_t kTrailSize = 8; // held, zero-filled where fewer bytes remain

    bool Parse(CMPSChunk& read, int version);
    // "Map" with the name: the held bytes and the three texts.
    GPSTreeItem FillTree(IGPSInspectionTree* tree, GPSTreeItem parent) override;

    QByteArray topo, name, region;
    bool isUtf8 = false;
};

class CMPSMap : public CGPSRecordList<CMPSChunkMap> {
public:
    // Reads the 'L' records that follow by the list rule.
    bool Read(ByteCursor& cursor, int version);
    // "Map part" with the total and one node per record; expanded.
    GPSTreeItem FillTree(IGPSInspectionTree* tree, GPSTreeItem parent);
};
