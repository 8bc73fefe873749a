#include "IniWatch.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <linux/magic.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace platform {

namespace {

// Events that may change what a path in the folder names or holds.
constexpr uint32_t kContentsMask = IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_MOVED_FROM
    | IN_MOVED_TO | IN_CREATE | IN_DELETE;
// Events that make the folder's path name another folder: it or an ancestor moved or went.
constexpr uint32_t kSelfMask = IN_MOVE_SELF | IN_DELETE_SELF;
// Events that change a file, through whichever of its names.
constexpr uint32_t kFileMask = IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_MOVE_SELF | IN_DELETE_SELF;
// Events after which a folder's watch no longer stands for its path, or events were lost.
constexpr uint32_t kLostMask = IN_MOVE_SELF | IN_DELETE_SELF | IN_UNMOUNT | IN_Q_OVERFLOW | IN_IGNORED;

struct EventBuffer {
    static constexpr std::size_t kSize = 16 * (sizeof(inotify_event) + NAME_MAX + 1);
};

// File systems whose changes all pass through this machine's kernel, which reports them;
// network file systems do not see the changes made elsewhere.
bool IsLocalFileSystem(const QByteArray& folder)
{
    struct statfs fs {};
    if (::statfs(folder.constData(), &fs) != 0)
        return false;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case EXT4_SUPER_MAGIC:  // also ext2 and ext3
    case XFS_SUPER_MAGIC:
    case BTRFS_SUPER_MAGIC:
    case TMPFS_MAGIC:
    case F2FS_SUPER_MAGIC:
    case OVERLAYFS_SUPER_MAGIC:
    case MSDOS_SUPER_MAGIC:  // FAT and exFAT drives shared with Windows
    case EXFAT_SUPER_MAGIC:
        return true;
    default:
        return false;
    }
}

// An absolute path that names its folder directly: no links, ".", ".." or doubled '/'.
bool IsCanonicalFolder(const QByteArray& folder)
{
    char resolved[PATH_MAX];
    return folder.startsWith('/') && ::realpath(folder.constData(), resolved)
        && folder == QByteArrayView(resolved, qsizetype(std::strlen(resolved)));
}

} // namespace

IniWatch::IniWatch() : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}

IniWatch::~IniWatch()
{
    if (fd_ >= 0)
        ::close(fd_);
}

quint64 IniWatch::epoch()
{
    if (fd_ < 0)
        return 0;
    int pending = 0;
    if (::ioctl(fd_, FIONREAD, &pending) != 0 || pending > 0)
        drain();
    return epoch_;
}

void IniWatch::drain()
{
    alignas(inotify_event) char buffer[EventBuffer::kSize];
    bool lost = false;
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        std::size_t at = 0;
        while (at + sizeof(inotify_event) <= std::size_t(n)) {
            inotify_event event;
            std::memcpy(&event, buffer + at, sizeof event);
            at += sizeof event + event.len;
            if (files_.contains(event.wd)) {
                // The file went: the system ended its watch.
                if (event.mask & IN_IGNORED)
                    files_.remove(event.wd);
                continue;
            }
            // The end of a watch this object removed itself is no news.
            if ((event.mask & IN_IGNORED) && !byDescriptor_.contains(event.wd))
                continue;
            if (event.mask & kLostMask)
                lost = true;
        }
    }
    ++epoch_;
    if (lost)
        dropAll();
}

void IniWatch::dropAll()
{
    for (auto it = byDescriptor_.cbegin(); it != byDescriptor_.cend(); ++it)
        ::inotify_rm_watch(fd_, it.key());
    byDescriptor_.clear();
    folders_.clear();
}

bool IniWatch::watchFile(const QByteArray& nativePath, int* watch)
{
    if (fd_ < 0)
        return false;
    // Links are not followed: a linked file is checked on every read.
    const int wd = ::inotify_add_watch(fd_, nativePath.constData(), kFileMask | IN_DONT_FOLLOW | IN_MASK_ADD);
    if (wd == *watch && files_.contains(wd))
        return true;
    releaseFile(*watch);
    *watch = wd;
    if (wd < 0)
        return false;
    ++files_[wd];
    return true;
}

void IniWatch::releaseFile(int watch)
{
    const auto it = files_.find(watch);
    if (it == files_.end() || --it.value() > 0)
        return;
    files_.erase(it);
    ::inotify_rm_watch(fd_, watch);
}

bool IniWatch::add(const QByteArray& folder, bool contents)
{
    const auto it = folders_.constFind(folder);
    if (it != folders_.cend() && it->refused)
        return false;
    if (it != folders_.cend() && (it->contents || !contents))
        return true;
    if (it == folders_.cend() && folders_.size() >= kMaxWatches)
        return false;
    const uint32_t mask = kSelfMask | IN_ONLYDIR | IN_MASK_ADD | (contents ? kContentsMask : 0);
    const int wd = ::inotify_add_watch(fd_, folder.constData(), mask);
    if (wd < 0)
        return false;
    folders_.insert(folder, Watch{wd, contents, false});
    byDescriptor_.insert(wd, folder);
    return true;
}

bool IniWatch::watchFolderOf(const QByteArray& nativePath)
{
    if (fd_ < 0)
        return false;
    const qsizetype slash = nativePath.lastIndexOf('/');
    if (slash < 0)
        return false;
    const QByteArray folder = slash == 0 ? QByteArray("/") : nativePath.left(slash);
    const auto known = folders_.constFind(folder);
    if (known != folders_.cend() && (known->contents || known->refused))
        return known->contents;
    if (!IsCanonicalFolder(folder) || !IsLocalFileSystem(folder)) {
        // Remembered, so that its files cost one stat a read and no more.
        if (folders_.size() < kMaxWatches)
            folders_.insert(folder, Watch{-1, false, true});
        return false;
    }
    // Every ancestor's own moves, then the folder's entries: as the path has no links, only a
    // move or removal along it can make it name another folder.
    for (qsizetype i = folder.lastIndexOf('/'); i > 0; i = folder.lastIndexOf('/', i - 1)) {
        if (!add(folder.left(i), false))
            return false;
    }
    return add(folder, true);
}

} // namespace platform
