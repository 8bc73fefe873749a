#include "IniCache.h"

#include "FileIO.h"

#include <QFile>
#include <QMutexLocker>
#include <sys/stat.h>

namespace platform {

namespace {

qint64 WriteTimeNs(const struct stat& st)
{
    return FileTime::FromSeconds(st.st_mtim.tv_sec, st.st_mtim.tv_nsec).ns;
}

} // namespace

IniCache& IniCache::Instance()
{
    static IniCache cache;
    return cache;
}

bool IniCache::check(Entry* entry)
{
    // The watches stand before the file is looked at, so a change after the look is reported.
    const bool watched = watch_.watchFolderOf(entry->nativePath)
        && watch_.watchFile(entry->nativePath, &entry->fileWatch);
    entry->checkedEpoch = watch_.epoch();
    struct stat st {};
    if (::lstat(entry->nativePath.constData(), &st) != 0)
        return false;
    entry->watched = watched && S_ISREG(st.st_mode);
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
    const auto it = entries_.find(path);
    if (it == entries_.end() && entries_.size() >= kMaxFiles)
        removeAll();
    // An entry for the same path has already handed its file watch to the new one.
    last_ = nullptr;
    entries_.insert(path, std::move(entry));
}

void IniCache::remove(const QString& path)
{
    const auto it = entries_.find(path);
    if (it == entries_.end())
        return;
    watch_.releaseFile(it->fileWatch);
    last_ = nullptr;
    entries_.erase(it);
}

void IniCache::removeAll()
{
    for (const Entry& entry : std::as_const(entries_))
        watch_.releaseFile(entry.fileWatch);
    last_ = nullptr;
    entries_.clear();
}

IniCache::Entry* IniCache::find(const QString& path)
{
    // Reads come in runs of keys of one file: the last entry found needs no hashing.
    if (last_ && path == lastPath_)
        return last_;
    const auto it = entries_.find(path);
    if (it == entries_.end())
        return nullptr;
    lastPath_ = path;
    last_ = &it.value();
    return last_;
}

std::shared_ptr<const IniDocument> IniCache::document(const QString& path)
{
    QMutexLocker lock(&mutex_);
    Entry* cached = find(path);
    if (cached && cached->watched && cached->checkedEpoch == watch_.epoch())
        return cached->document;
    Entry entry;
    if (cached) {
        entry.nativePath = cached->nativePath;
        entry.fileWatch = cached->fileWatch;
        const bool present = check(&entry);
        cached->fileWatch = entry.fileWatch;  // now watching the file the path names now
        if (present && entry.size == cached->size && entry.writeTimeNs == cached->writeTimeNs) {
            cached->checkedEpoch = entry.checkedEpoch;
            cached->watched = entry.watched;
            return cached->document;
        }
    } else {
        entry.nativePath = QFile::encodeName(path);
        check(&entry);
    }
    // The size and write time come from the open file, so they belong to the bytes read.
    QByteArray bytes;
    FileTime writeTime;
    if (!ReadWholeFile(path, &bytes, kMaxFileBytes, &writeTime)) {
        if (cached)
            remove(path);
        else
            watch_.releaseFile(entry.fileWatch);
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
    const auto it = entries_.find(path);
    entry.fileWatch = it != entries_.end() ? it->fileWatch : -1;
    const bool present = check(&entry);
    if (it != entries_.end())
        it->fileWatch = entry.fileWatch;
    if (!present || entry.size != bytes.size()) {
        if (it == entries_.end())
            watch_.releaseFile(entry.fileWatch);
        else
            remove(path);
        return;
    }
    entry.document = std::make_shared<const IniDocument>(bytes);
    insert(path, std::move(entry));
}

void IniCache::clear()
{
    QMutexLocker lock(&mutex_);
    removeAll();
}

} // namespace platform
