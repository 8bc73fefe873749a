#pragma once
// 'R' route records of the MapSource formats and the list of them. Only the name is read;
// the rest of the record is held as it is.
#include "gps/GPSRecordList.h"
#include "gps/mapsource/MPSChunk.h"

#include <memory>
#include <vector>

class CMPSChunkRoute : public CMPSChunk {
public:
    static constexpr size_t kHeldSize = 62; // after the name, not interpreted

    bool Parse(CMPSChunk& read, int version);
    // "Route" with the name and the held bytes.
    GPSTreeItem FillTree(IGPSInspectionTree* tree, GPSTreeItem parent) override;

    QByteArray name;
    bool isUtf8 = false;
};

class CMPSRoute : public CGPSRecordList<CMPSChunkRoute> {
public:
    // Reads the 'R' records that follow by the list rule.
    bool Read(ByteCursor& cursor, int version);
    // "Route part" with the total and one node per record; expanded.
    GPSTreeItem FillTree(IGPSInspectionTree* tree, GPSTreeItem parent);
};
