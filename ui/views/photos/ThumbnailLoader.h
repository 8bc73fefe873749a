#pragma once
// Thumbnails of photos, decoded on a pool of worker threads at a power-of-two height near the
// size they are shown at, and kept in a cache bounded by the bytes it holds. Requests are made
// and answered on the thread that owns the loader; a decoded thumbnail reaches it as a queued
// call, after which the arrival callback runs (the view repaints then).
#include "platform/FileTime.h"

#include <QCache>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QSize>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <functional>

class ThumbnailLoader {
public:
    // The cache holds thumbnails up to this many bytes; the least recently used go first.
    static constexpr qint64 kCacheBytes = qint64(128) << 20;
    // One thumbnail takes at most this much of it: a larger one is decoded a level lower.
    static constexpr qint64 kMaxThumbnailBytes = kCacheBytes / 2;
    // Thumbnails are held as 32-bit pixels.
    static constexpr qint64 kBytesPerPixel = 4;

    // One file as it is now.
    struct Photo {
        QString path;
        qint64 fileSize = 0;
        platform::FileTime writeTime;
        QSize size;  // in pixels, as the header gives it

        bool operator==(const Photo&) const = default;
    };

    // What the decoder has done (worker threads add to it).
    struct Statistics {
        int decodes = 0;
        int largestWidth = 0;
        int largestHeight = 0;
    };

    explicit ThumbnailLoader(std::function<void()> arrived);
    ThumbnailLoader(const ThumbnailLoader&) = delete;
    ThumbnailLoader& operator=(const ThumbnailLoader&) = delete;
    // Drops the queued decodes and waits for the running ones.
    ~ThumbnailLoader();

    // The height a photo shown screenHeight pixels high is decoded at: the next power of two,
    // but not above the photo's own height nor above the bytes one thumbnail may take.
    static int LevelFor(int screenHeight, const QSize& photo);
    // The width of the photo decoded at level.
    static int WidthAt(int level, const QSize& photo);

    // The thumbnail at level, else the one of another level last decoded for the photo; null
    // when neither is held.
    const QImage* Find(const Photo& photo, int level);
    // Queues the decode of the photo at level unless it is held, queued or failed before.
    void Request(const Photo& photo, int level);
    // True when the photo could not be decoded at level.
    bool Failed(const Photo& photo, int level) const;
    // Drops the decodes not yet started (a reset shows other photos).
    void CancelQueued();
    // Runs every queued decode and delivers its result; for tests and benchmarks.
    void WaitForAll();
    // Decodes queued or running whose result has not yet arrived.
    int Pending() const { return int(pending_.size()); }
    Statistics DecodeStatistics() const;
    // The bytes the cache holds now.
    qint64 CachedBytes() const { return cache_.totalCost(); }

private:
    struct Key {
        QString path;
        qint64 fileSize = 0;
        qint64 writeTime = 0;
        int level = 0;
        bool operator==(const Key&) const = default;
    };
    friend size_t qHash(const Key& key, size_t seed) noexcept;

    static Key MakeKey(const Photo& photo, int level);
    static QImage Decode(const Photo& photo, int level);
    void Deliver(const Key& key, const QImage& image);
    void NoteDecoded(const QImage& image);

    std::function<void()> arrived_;
    QCache<Key, QImage> cache_;
    QSet<Key> pending_;
    QSet<Key> failed_;
    // The level last decoded for each file (its key with level 0), shown until the one asked
    // for arrives.
    QHash<Key, int> lastLevel_;
    std::atomic<int> decodes_{0};
    std::atomic<int> largestWidth_{0};
    std::atomic<int> largestHeight_{0};
    // Queued calls bringing results land here; destroyed after the pool has stopped, which
    // drops those not yet delivered.
    QObject receiver_;
    QThreadPool pool_;
};
