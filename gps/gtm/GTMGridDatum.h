#pragma once
// The 58-byte grid and datum block that follows the header strings of a GPS TrackMaker file.
#include "gps/ByteCursor.h"

#include <cstdint>

class CGTMGridDatum {
public:
    static constexpr size_t kSize = 58;
    // A converted file's grid and datum: Taiwan 67 Grid, WGS 1984 Global Definition.
    static constexpr int16_t kTaiwanGrid = 13;
    static constexpr int16_t kWgs84Datum = 217;

    // False when the 58 bytes are not all there.
    bool Parse(ByteCursor& cursor);
    void Write(ByteWriter& out) const;

    int16_t Grid = 0; // index into the grid names
    double origin = 0;
    double falseeast = 0;
    double scale1 = 0;
    double falsenorthing = 0;
    int16_t Datum = 0; // index into the datum names
    double axis = 0;
    double flatenig = 0;
    int16_t dx = 0;
    int16_t dy = 0;
    int16_t dz = 0;
};
