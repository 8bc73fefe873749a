#include "catalog/trail/GroupOldTrail.h"

namespace {

const QString kKey = QStringLiteral("OldTrail");
const QString kDisplayName = QStringLiteral("古道");
const QString kGpsKey = QStringLiteral("AllOTFile");
const QString kDefaultGpsFile = QStringLiteral("!台灣的古道2.gdb");

} // namespace

CGroupOldTrail::CGroupOldTrail()
{
    key = kKey;
    displayName = kDisplayName;
    gpsKey = kGpsKey;
    defaultGpsFile = kDefaultGpsFile;
}
