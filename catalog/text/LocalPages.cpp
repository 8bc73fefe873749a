#include "catalog/text/LocalPages.h"

#include "catalog/GroupTable.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

namespace {

const QString kTemplateSection = QStringLiteral("Template");
const QString kWalkIndexKey = QStringLiteral("WalkIndexFile");
const QString kBlueSkyKey = QStringLiteral("BlueSkyFile");

const QString kDefaultWalkIndexName = QStringLiteral("walk2.htm");
const QString kDefaultBlueSkyName = QStringLiteral("guide2.htm");
const QString kQuillAtlasName = QStringLiteral("山友\\岫禾圖集.txt");

QString TemplatePathOr(const QString& key, const QString& defaultName)
{
    const QString path = LocalTemplatePath(key);
    return path.isEmpty() ? platform::JoinPath(DataFolder(), defaultName) : path;
}

} // namespace

QString LocalTemplatePath(const QString& key)
{
    const QString value = platform::GetProfileString(LocalSettingsPath(), kTemplateSection, key);
    if (value.isEmpty())
        return value;
    QString program;
    GetExeFolder(&program);
    return platform::JoinPath(program, value);
}

QString WalkIndexFile()
{
    return LocalTemplatePath(kWalkIndexKey);
}

QString WalkIndexFileOrDefault()
{
    return TemplatePathOr(kWalkIndexKey, kDefaultWalkIndexName);
}

QString BlueSkyFile()
{
    return TemplatePathOr(kBlueSkyKey, kDefaultBlueSkyName);
}

QString QuillAtlasFile()
{
    return platform::JoinPath(DataFolder(), kQuillAtlasName);
}
