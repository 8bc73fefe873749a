// The online map page that locating opens at a position.
#include "catalog/OnlineMap.h"

#include "platform/Numbers.h"

namespace {

// Latitude and longitude in degrees with kMapDecimals decimals, then the zoom.
const QString kOnlineMapAddress =
    QStringLiteral("https://www.openstreetmap.org/?mlat=%1&mlon=%2#map=%3/%1/%2");
constexpr int kMapZoom = 15;
constexpr int kMapDecimals = 6;

} // namespace

QString OnlineMapAddress(double latitude, double longitude)
{
    return kOnlineMapAddress.arg(platform::FormatDouble(latitude, kMapDecimals),
                                 platform::FormatDouble(longitude, kMapDecimals),
                                 QString::number(kMapZoom));
}
