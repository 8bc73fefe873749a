#include "IniCache.h"

#include "FileIO.h"

#include <QFile>
#include <QMutexLocker>
#include <sys/stat.h>

namespace platform {

namespace {

// Size and write time of the regular file path names now; false when there is none.
bool StatFile(const QString& path, qint64* size, qint64* writeTimeNs)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    *size = st.st_size;
    *writeTimeNs = FileTime::FromSeconds(st.st_mtim.tv_sec, st.st_mtim.tv_nsec).ns;
    return true;
}

} // namespace

IniCache& IniCache::Instance()
{
    static IniCache cache;
    return cache;
}

void IniCache::forgetLastPinned()
{
    lastPinned_.clear();
    lastPinnedDocument_.reset();
}

void IniCache::insert(const QString& path, Entry entry)
{
    forgetLastPinned();
    // A plain bound: the files read one after another stay, a long scan starts afresh.
    if (!entries_.contains(path) && entries_.size() >= kMaxFiles)
        entries_.clear();
    entries_.insert(path, std::move(entry));
}

std::shared_ptr<const IniDocument> IniCache::document(const QString& path)
{
    QMutexLocker lock(&mutex_);
    if (lastPinnedDocument_ && path == lastPinned_)
        return lastPinnedDocument_;
    const auto cached = entries_.constFind(path);
    if (cached != entries_.cend() && pinned_.contains(path)) {
        lastPinned_ = path;
        lastPinnedDocument_ = cached->document;
        return cached->document;
    }
    Entry now;
    if (cached != entries_.cend()) {
        if (!StatFile(path, &now.size, &now.writeTimeNs)) {
            entries_.remove(path);
            return nullptr;
        }
        if (cached->size == now.size && cached->writeTimeNs == now.writeTimeNs)
            return cached->document;
    }
    // The size and write time come from the open file, so they belong to the bytes read.
    QByteArray bytes;
    FileTime writeTime;
    if (!ReadWholeFile(path, &bytes, kMaxFileBytes, &writeTime)) {
        entries_.remove(path);
        return nullptr;
    }
    now.size = bytes.size();
    now.writeTimeNs = writeTime.ns;
    now.document = std::make_shared<const IniDocument>(std::move(bytes));
    ++parses_;
    std::shared_ptr<const IniDocument> document = now.document;
    insert(path, std::move(now));
    return document;
}

void IniCache::store(const QString& path, const QByteArray& bytes)
{
    QMutexLocker lock(&mutex_);
    forgetLastPinned();
    Entry entry;
    if (!StatFile(path, &entry.size, &entry.writeTimeNs) || entry.size != bytes.size()) {
        entries_.remove(path);
        return;
    }
    entry.document = std::make_shared<const IniDocument>(bytes);
    insert(path, std::move(entry));
}

void IniCache::clear()
{
    QMutexLocker lock(&mutex_);
    forgetLastPinned();
    entries_.clear();
}

void IniCache::pin(const QString& path)
{
    QMutexLocker lock(&mutex_);
    // The parse a pin holds on to is the file as it is now: one cached before it changed goes.
    if (++pinned_[path] > 1)
        return;
    const auto cached = entries_.constFind(path);
    Entry now;
    if (cached != entries_.cend()
        && (!StatFile(path, &now.size, &now.writeTimeNs) || cached->size != now.size
            || cached->writeTimeNs != now.writeTimeNs)) {
        forgetLastPinned();
        entries_.remove(path);
    }
}

void IniCache::unpin(const QString& path)
{
    QMutexLocker lock(&mutex_);
    const auto it = pinned_.find(path);
    if (it != pinned_.end() && --it.value() <= 0) {
        pinned_.erase(it);
        if (path == lastPinned_)
            forgetLastPinned();
    }
}

} // namespace platform
