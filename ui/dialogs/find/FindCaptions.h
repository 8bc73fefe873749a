#pragma once
// The captions of the search dialogs whose template texts are formats: the group's name in the
// title and the name label, the trip number and the atlas page in the assignment buttons.
#include <QString>

namespace find_captions {

// Atlas code → volume and page: volume ((code + 999) / 1000) mod 100, page 1000 − code mod 1000.
constexpr int kAtlasPageSpan = 1000;
constexpr int kAtlasVolumes = 100;

// format with its "%s" replaced by name.
QString WithName(const QString& format, const QString& name);
// The trip button's format ("%d") with walkNumber, or defaultTrip when walkNumber is below 1.
QString TripCaption(const QString& format, int walkNumber, int defaultTrip);
// The map button's format ("%d-%03d") with the volume and page of atlasCode; 0 and 0 when the
// code is below 1.
QString MapCaption(const QString& format, int atlasCode);

} // namespace find_captions
