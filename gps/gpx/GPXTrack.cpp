#include "gps/gpx/GPXTrack.h"

bool CGPXTrack::Parse(QByteArrayView text, qsizetype at, qsizetype* end)
{
    auto track = std::make_unique<CGPXTagTrack>();
    if (!track->Parse(text, at, end))
        return false;
    items.push_back(std::move(track));
    return true;
}
