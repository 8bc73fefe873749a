#pragma once
// The 99-byte header of a GPS TrackMaker file, with the section counts, and the four font and
// datum strings that follow it.
#include "gps/ByteCursor.h"
#include "gps/gtm/GTMSection.h"

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <cstdint>

class CGTMHeader {
public:
    static constexpr size_t kSize = 99;
    static constexpr size_t kIdOffset = 2;
    static constexpr size_t kIdSize = 10;
    static constexpr QByteArrayView kId{"TrackMaker", qsizetype(kIdSize)};
    // Values that a converted file holds.
    static constexpr int16_t kWrittenVersion = 211;
    static constexpr uint8_t kWrittenGridFontSize = 8;
    static constexpr int32_t kWrittenBackgroundColor = 0xFFFFFF;
    static constexpr QByteArrayView kWrittenGridFont{"Times New Roman"};

    // The 99 bytes; false when they are not all there or the ID is not "TrackMaker".
    bool Parse(ByteCursor& cursor);
    // The four strings; false when one runs past the end of the data.
    bool ParseStrings(ByteCursor& cursor);
    // The 99 bytes and the four strings.
    void Write(ByteWriter& out) const;

    int16_t Version = 0;
    std::array<char, kIdSize> ID{};
    uint8_t DrawThickLine = 0;
    uint8_t vwt = 0;
    uint8_t GridFontSize = 0;
    uint8_t wptnum = 0;
    uint8_t usernum = 0;
    uint8_t IconColor = 0;
    uint8_t Datum = 0;
    int32_t GridColor = 0;
    int32_t BackgroundColor = 0;
    int32_t WaypointStyles = 0;
    int32_t TextColor = 0;
    int32_t Waypoints = 0;
    int32_t TrackPoints = 0;
    int32_t RoutePoints = 0;
    float MaxLongitude = 0;
    float MinLongitude = 0;
    float MaxLatitude = 0;
    float MinLatitude = 0;
    int32_t MapImages = 0;
    int32_t Tracks = 0;
    float Layers = 0;
    float iconnum = 0;
    int16_t RectCoord = 0;
    int16_t TrueGridMode = 0;
    int16_t wptsublin = 0;
    int16_t wpttachado = 0;
    int16_t usernegrit = 0;
    int16_t useritalic = 0;
    int16_t usersublin = 0;
    int16_t usertachado = 0;
    int16_t HasMap = 0;
    int16_t reserval = 0;

    QByteArray GridFont;
    QByteArray WayPointFont;
    QByteArray UserFont;
    QByteArray NewDatum;

private:
    bool ParseBytes(ByteCursor& cursor);
    void WriteBytes(ByteWriter& out) const;
};
