// A hiking companion read from its file in the data folder's companions' folder.
#include "catalog/talvane/HikingMate.h"

#include "catalog/GroupTable.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

namespace {

const QString kMatesFolder = QStringLiteral("山友");
const QString kSection = QStringLiteral("Hiking");
const QString kTitleKey = QStringLiteral("Title");
const QString kShortTitleKey = QStringLiteral("ShortTitle");
const QString kKeyTitleKey = QStringLiteral("KeyTitle");
const QString kKeyLinkKey = QStringLiteral("KeyLink");

} // namespace

std::unique_ptr<HikingMate> HikingMate::FromFile(const QString& fileName)
{
    auto mate = std::make_unique<HikingMate>();
    mate->path = platform::JoinPath(DataFolder(), kMatesFolder, fileName);
    mate->title = platform::GetProfileString(mate->path, kSection, kTitleKey);
    mate->menuText = QString(mate->title).replace(QLatin1Char('&'), QStringLiteral("&&"));
    mate->shortTitle = platform::GetProfileString(mate->path, kSection, kShortTitleKey, mate->title);
    mate->keyTitle = platform::GetProfileString(mate->path, kSection, kKeyTitleKey, mate->title);
    mate->keyLink = platform::GetProfileString(mate->path, kSection, kKeyLinkKey, mate->title);
    return mate;
}
