#include "IniCache.h"

#include "FileIO.h"

#include <QFile>
#include <QMutexLocker>
#include <sys/stat.h>

namespace platform {

namespace {

qint64 WriteTimeNs(const struct stat& st)
{
    return qint64(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
}

} // namespace

IniCache& IniCache::Instance()
{
    static IniCache cache;
    return cache;
}

bool IniCache::check(Entry* entry)
{
    // The watch stands before the file is looked at, so a change after the look is reported.
    const bool watched = watch_.watchFolderOf(entry->nativePath);
    entry->checkedEpoch = watch_.epoch();
    struct stat st {};
    if (::lstat(entry->nativePath.constData(), &st) != 0)
        return false;
    entry->watched = watched && IniWatch::ReportsChanges(st);
    // A link is followed, and checked on every read.
    if (S_ISLNK(st.st_mode) && ::stat(entry->nativePath.constData(), &st) != 0)
        return false;
    entry->size = st.st_size;
    entry->writeTimeNs = WriteTimeNs(st);
    return S_ISREG(st.st_mode);
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
    const auto it = entries_.find(path);
    Entry entry;
    if (it != entries_.end()) {
        if (it->watched && it->checkedEpoch == watch_.epoch())
            return it->document;
        entry.nativePath = it->nativePath;
        if (check(&entry) && entry.size == it->size && entry.writeTimeNs == it->writeTimeNs) {
            it->checkedEpoch = entry.checkedEpoch;
            it->watched = entry.watched;
            return it->document;
        }
    } else {
        entry.nativePath = QFile::encodeName(path);
        check(&entry);
    }
    // The size and write time come from the open file, so they belong to the bytes read.
    QByteArray bytes;
    FileTime writeTime;
    if (!ReadWholeFile(path, &bytes, kMaxFileBytes, &writeTime)) {
        entries_.remove(path);
        return nullptr;
    }
    entry.size = bytes.size();
    entry.writeTimeNs = writeTime.ns;
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
    if (!check(&entry) || entry.size != bytes.size()) {
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
