#include "Profile.h"

#include "FileIO.h"
#include "IniCache.h"
#include "IniDocument.h"
#include "Numbers.h"

#include <QFileInfo>

namespace platform {

QString GetProfileString(const QString& file, const QString& section, const QString& key,
                         const QString& def)
{
    const std::shared_ptr<const IniDocument> document = IniCache::Instance().document(file);
    const std::optional<QStringView> value = document ? document->value(section, key) : std::nullopt;
    return value ? value->toString() : def;
}

int GetProfileInt(const QString& file, const QString& section, const QString& key, int def)
{
    const std::shared_ptr<const IniDocument> document = IniCache::Instance().document(file);
    const std::optional<QStringView> value = document ? document->value(section, key) : std::nullopt;
    return value && !value->isEmpty() ? ParseProfileInteger(*value) : def;
}

bool WriteProfileString(const QString& file, const QString& section, const QString& key,
                        const QString& value)
{
    if (!IniDocument::IsWritableSectionName(section) || !IniDocument::IsWritableKeyName(key)
        || !IniDocument::IsWritableValue(value))
        return false;
    // The write works on the file as it is on disk now, not on the cached parse.
    QByteArray bytes;
    if (QFileInfo::exists(file) && !ReadWholeFile(file, &bytes, IniCache::kMaxFileBytes))
        return false;
    // A missing or empty file starts as UTF-16LE with byte-order mark and CR LF line ends.
    const IniDocument document = bytes.isEmpty() ? IniDocument() : IniDocument(bytes, true);
    const std::optional<QByteArray> updated = document.withValue(section, key, value);
    if (!updated)
        return true;
    if (!WriteFileAtomically(file, *updated))
        return false;
    IniCache::Instance().store(file, *updated);
    return true;
}

QStringList GetProfileKeys(const QString& file, const QString& section)
{
    const std::shared_ptr<const IniDocument> document = IniCache::Instance().document(file);
    return document ? document->keys(section) : QStringList();
}

void ClearProfileCache()
{
    IniCache::Instance().clear();
}

} // namespace platform
