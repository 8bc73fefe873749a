#pragma once
// Change notification for cached INI files, so that a cached file need not be checked with a
// stat on every read: as long as nothing happened to the file (through any of its names) or
// in its folder since its last check, the path names the same, unchanged file.
#include <QByteArray>
#include <QHash>
#include <QtGlobal>

namespace platform {

class IniWatch {
public:
    // Folders watched at most (each with its ancestors); past it, files are checked each read.
    static constexpr qsizetype kMaxWatches = 512;

    IniWatch();
    ~IniWatch();
    IniWatch(const IniWatch&) = delete;
    IniWatch& operator=(const IniWatch&) = delete;

    // A number that moves on whenever anything may have changed in a watched folder or a
    // watch was lost. 0 when the system offers no watching.
    quint64 epoch();

    // Watches the folder of nativePath, when a change of a file in it is sure to be reported:
    // an absolute path without links on a local file system. Call it before the file's check.
    bool watchFolderOf(const QByteArray& nativePath);

    // Watches the file that nativePath names now, whatever name it is changed through; call
    // it before the file's check. *watch is the file's watch (-1: none), kept when it still
    // stands for that file and replaced otherwise.
    bool watchFile(const QByteArray& nativePath, int* watch);
    // Ends a watch that watchFile gave.
    void releaseFile(int watch);

private:
    struct Watch {
        int descriptor = -1;
        bool contents = false;  // the folder's entries are watched, not only its own moves
        bool refused = false;   // no watch can vouch for this folder's files
    };

    bool add(const QByteArray& folder, bool contents);
    void drain();
    void dropAll();

    int fd_ = -1;
    quint64 epoch_ = 1;
    QHash<QByteArray, Watch> folders_;
    QHash<int, QByteArray> byDescriptor_;
    QHash<int, int> files_;  // file watch → entries using it
};

} // namespace platform
