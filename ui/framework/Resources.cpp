#include "ui/framework/Resources.h"

#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>

// Outside any namespace, as the resource initialiser requires.
static void RegisterTalvaneResources()
{
    Q_INIT_RESOURCE(talvane);
}

void InitResources()
{
    static const bool done = (RegisterTalvaneResources(), true);
    (void)done;
}

QString LoadResourceString(int id)
{
    InitResources();
    static const QHash<int, QString> table = [] {
        QHash<int, QString> strings;
        QFile file(QStringLiteral(":/strings.json"));
        if (!file.open(QIODevice::ReadOnly))
            return strings;
        const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
        for (auto it = object.begin(); it != object.end(); ++it) {
            bool ok = false;
            const int key = it.key().toInt(&ok);
            if (ok)
                strings.insert(key, it.value().toString());
        }
        return strings;
    }();
    return table.value(id);
}

QIcon LoadResourceIcon(int id)
{
    InitResources();
    const QString path = QStringLiteral(":/icons/%1.png").arg(id);
    if (!QFile::exists(path))
        return QIcon();
    return QIcon(path);
}
