#include "ui/views/photos/ThumbnailLoader.h"

#include <QCoreApplication>
#include <QHashFunctions>
#include <QImageReader>
#include <QThread>

#include <algorithm>

namespace {

// Raises value to at least candidate.
void RaiseTo(std::atomic<int>& value, int candidate)
{
    int now = value.load();
    while (now < candidate && !value.compare_exchange_weak(now, candidate)) {
    }
}

// The largest power of two below n (n > 1).
int PowerOfTwoBelow(int n)
{
    int p = 1;
    while (p * 2 < n)
        p *= 2;
    return p;
}

// Rounds for tests of whether every queued result has arrived.
constexpr int kMaxDeliveryRounds = 1000;

} // namespace

size_t qHash(const ThumbnailLoader::Key& key, size_t seed) noexcept
{
    return qHashMulti(seed, key.path, key.fileSize, key.writeTime, key.level);
}

ThumbnailLoader::ThumbnailLoader(std::function<void()> arrived) : arrived_(std::move(arrived))
{
    cache_.setMaxCost(kCacheBytes);
    // One core stays with the user-interface thread, so the window answers while photos decode.
    pool_.setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
}

ThumbnailLoader::~ThumbnailLoader()
{
    pool_.clear();
    pool_.waitForDone();
}

int ThumbnailLoader::WidthAt(int level, const QSize& photo)
{
    if (photo.height() <= 0 || level >= photo.height())
        return photo.width();
    const qint64 width = (qint64(photo.width()) * level + photo.height() / 2) / photo.height();
    return int(std::max<qint64>(1, width));
}

int ThumbnailLoader::LevelFor(int screenHeight, const QSize& photo)
{
    if (photo.isEmpty())
        return 0;
    int level = 1;
    while (level < screenHeight && level < photo.height())
        level *= 2;
    level = std::min(level, photo.height());
    while (level > 1 && qint64(WidthAt(level, photo)) * level * kBytesPerPixel > kMaxThumbnailBytes)
        level = PowerOfTwoBelow(level);
    return level;
}

ThumbnailLoader::Key ThumbnailLoader::MakeKey(const Photo& photo, int level)
{
    return Key{photo.path, photo.fileSize, photo.writeTime.ns, level};
}

const QImage* ThumbnailLoader::Find(const Photo& photo, int level)
{
    if (const QImage* exact = cache_.object(MakeKey(photo, level)))
        return exact;
    const auto last = lastLevel_.constFind(MakeKey(photo, 0));
    if (last == lastLevel_.cend())
        return nullptr;
    return cache_.object(MakeKey(photo, *last));
}

bool ThumbnailLoader::Failed(const Photo& photo, int level) const
{
    return failed_.contains(MakeKey(photo, level));
}

void ThumbnailLoader::Request(const Photo& photo, int level)
{
    if (level <= 0)
        return;
    const Key key = MakeKey(photo, level);
    if (pending_.contains(key) || failed_.contains(key) || cache_.contains(key))
        return;
    pending_.insert(key);
    pool_.start([this, photo, level, key] {
        const QImage image = Decode(photo, level);
        NoteDecoded(image);
        QMetaObject::invokeMethod(
            &receiver_, [this, key, image] { Deliver(key, image); }, Qt::QueuedConnection);
    });
}

QImage ThumbnailLoader::Decode(const Photo& photo, int level)
{
    QImageReader reader(photo.path);
    // The photo is shown as stored: no turning by its orientation tag.
    reader.setAutoTransform(false);
    if (level < photo.size.height())
        reader.setScaledSize(QSize(WidthAt(level, photo.size), level));
    QImage image = reader.read();
    if (image.isNull())
        return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

void ThumbnailLoader::NoteDecoded(const QImage& image)
{
    if (image.isNull())
        return;
    ++decodes_;
    RaiseTo(largestWidth_, image.width());
    RaiseTo(largestHeight_, image.height());
}

void ThumbnailLoader::Deliver(const Key& key, const QImage& image)
{
    pending_.remove(key);
    if (image.isNull()) {
        failed_.insert(key);
    } else {
        Key file = key;
        file.level = 0;
        if (cache_.insert(key, new QImage(image), image.sizeInBytes()))
            lastLevel_.insert(file, key.level);
    }
    if (arrived_)
        arrived_();
}

void ThumbnailLoader::CancelQueued()
{
    pool_.clear();
    // Decodes already running still deliver into the cache; none is waited for.
    pending_.clear();
}

void ThumbnailLoader::WaitForAll()
{
    for (int round = 0; round < kMaxDeliveryRounds; ++round) {
        pool_.waitForDone();
        QCoreApplication::sendPostedEvents(&receiver_, QEvent::MetaCall);
        if (pending_.isEmpty() && pool_.activeThreadCount() == 0)
            return;
    }
}

ThumbnailLoader::Statistics ThumbnailLoader::DecodeStatistics() const
{
    return Statistics{decodes_.load(), largestWidth_.load(), largestHeight_.load()};
}
