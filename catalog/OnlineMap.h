#pragma once
// The online map page that locating opens at a position.
#include <QString>

// The page showing latitude and longitude (degrees, latitude first in the address) at the zoom
// locating uses.
QString OnlineMapAddress(double latitude, double longitude);
