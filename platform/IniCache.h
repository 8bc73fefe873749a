#pragma once
// Parsed INI files kept by path, and used again while the file's size and write time stay
// the same, so that reading many keys of one file reads and parses it once.
#include "IniDocument.h"
#include "IniWatch.h"

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
    // missing, no regular file, unreadable or larger than kMaxFileBytes.
    std::shared_ptr<const IniDocument> document(const QString& path);
    // Records the bytes just written to path, so that the next read needs no parse.
    void store(const QString& path, const QByteArray& bytes);
    void clear();
    // How many times a file was read and parsed (tests and the benchmark watch it).
    qint64 parses() const { return parses_; }

private:
    struct Entry {
        QByteArray nativePath;
        qint64 size = 0;
        qint64 writeTimeNs = 0;
        // The file's size and time were checked at this watch epoch, and its folder reports
        // its changes: while the epoch stays, the file needs no new check.
        quint64 checkedEpoch = 0;
        bool watched = false;
        int fileWatch = -1;
        std::shared_ptr<const IniDocument> document;
    };

    // Fills size, time and watch state of entry from the file as it is now; false when it is
    // missing or no regular file.
    bool check(Entry* entry);
    Entry* find(const QString& path);
    void insert(const QString& path, Entry entry);
    void remove(const QString& path);
    void removeAll();

    QMutex mutex_;
    IniWatch watch_;
    QHash<QString, Entry> entries_;
    QString lastPath_;
    Entry* last_ = nullptr;  // entry of lastPath_ until entries_ changes
    std::atomic<qint64> parses_ = 0;
};

} // namespace platform
