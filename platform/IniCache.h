#pragma once
// Parsed INI files kept by path, and used again while the file's size and write time stay
// the same, so that reading many keys of one file reads and parses it once.
#include "IniDocument.h"

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QString>

#include <atomic>
#include <memory>

namespace platform {

class IniCache {
public:
    // Bounds: how many parsed files are kept, and the largest file read as an INI file.
    static constexpr qsizetype kMaxFiles = 1024;
    static constexpr qint64 kMaxFileBytes = qint64(64) << 20;

    static IniCache& Instance();

    // The parsed file, read again when its size or write time changed; null when it is
    // missing, no regular file, unreadable or larger than kMaxFileBytes. A pinned file that is
    // cached is handed out without looking at the disk.
    std::shared_ptr<const IniDocument> document(const QString& path);
    // Records the bytes just written to path, so that the next read needs no parse.
    void store(const QString& path, const QByteArray& bytes);
    void clear();

    // Pinning (counted): while a path is pinned, its reads use the parse they first got.
    void pin(const QString& path);
    void unpin(const QString& path);

    // How many times a file was read and parsed (tests and the benchmark watch it).
    qint64 parses() const { return parses_; }

private:
    struct Entry {
        qint64 size = 0;
        qint64 writeTimeNs = 0;
        std::shared_ptr<const IniDocument> document;
    };

    void insert(const QString& path, Entry entry);
    void forgetLastPinned();

    QMutex mutex_;
    QHash<QString, Entry> entries_;
    QHash<QString, int> pinned_;
    // The pinned file read last: a run of reads of one pinned file needs no hashing.
    QString lastPinned_;
    std::shared_ptr<const IniDocument> lastPinnedDocument_;
    std::atomic<qint64> parses_ = 0;
};

} // namespace platform
