#include "IniCache.h"

#include "FileIO.h"

#include <QFile>
#include <QMutexLocker>
#include <sys/stat.h>

namespace platform {

IniCache& IniCache::Instance()
{
    static IniCache cache;
    return cache;
}

bool IniCache::Stat(const QByteArray& nativePath, qint64* size, qint64* writeTimeNs)
{
    struct stat st {};
    if (::stat(nativePath.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    *size = st.st_size;
    *writeTimeNs = qint64(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    return true;
}

void IniCache::insert(const QString& path, Entry entry)
{
    // A plain bound: the files read one after another stay, a long scan starts afresh.
    if (entries_.size() >= kMaxFiles && !entries_.contains(path))
        entries_.clear();
    entries_.insert(path, std::move(entry));
}

std::shared_ptr<const IniDocument> IniCache::document(const QString& path)
{
    QMutexLocker lock(&mutex_);
    const auto it = entries_.constFind(path);
    Entry entry;
    entry.nativePath = it != entries_.cend() ? it->nativePath : QFile::encodeName(path);
    if (!Stat(entry.nativePath, &entry.size, &entry.writeTimeNs)) {
        entries_.remove(path);
        return nullptr;
    }
    if (it != entries_.cend() && it->size == entry.size && it->writeTimeNs == entry.writeTimeNs)
        return it->document;
    // Stat before reading: should the file change meanwhile, the next look finds a newer time.
    QByteArray bytes;
    if (!ReadWholeFile(path, &bytes, kMaxFileBytes)) {
        entries_.remove(path);
        return nullptr;
    }
    entry.document = std::make_shared<const IniDocument>(std::move(bytes));
    ++parses_;
    std::shared_ptr<const IniDocument> document = entry.document;
    insert(path, std::move(entry));
    return document;
}

void IniCache::store(const QString& path, const QByteArray& bytes)
{
    QMutexLocker lock(&mutex_);
    Entry entry;
    entry.nativePath = QFile::encodeName(path);
    if (!Stat(entry.nativePath, &entry.size, &entry.writeTimeNs) || entry.size != bytes.size()) {
        entries_.remove(path);
        return;
    }
    entry.document = std::make_shared<const IniDocument>(bytes);
    insert(path, std::move(entry));
}

void IniCache::clear()
{
    QMutexLocker lock(&mutex_);
    entries_.clear();
}

} // namespace platform
