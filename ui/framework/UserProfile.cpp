#include "ui/framework/UserProfile.h"

#include <QSettings>

namespace {

QString Path(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

namespace UserProfile {

int GetInt(const QString& section, const QString& key, int def)
{
    const QVariant value = QSettings().value(Path(section, key));
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? number : def;
}

void WriteInt(const QString& section, const QString& key, int value)
{
    QSettings().setValue(Path(section, key), value);
}

QString GetString(const QString& section, const QString& key, const QString& def)
{
    return QSettings().value(Path(section, key), def).toString();
}

void WriteString(const QString& section, const QString& key, const QString& value)
{
    QSettings().setValue(Path(section, key), value);
}

} // namespace UserProfile
