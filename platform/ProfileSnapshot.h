#pragma once
// Reading many keys of one file at once: while a snapshot of the file lives, every profile
// read of that path uses one parse of it, without looking at the disk again for each key.
// Writes through the profile functions still update what the reads see.
#include <QString>

namespace platform {

class ProfileSnapshot {
public:
    explicit ProfileSnapshot(const QString& path);
    ~ProfileSnapshot();
    ProfileSnapshot(const ProfileSnapshot&) = delete;
    ProfileSnapshot& operator=(const ProfileSnapshot&) = delete;

private:
    QString path_;
};

} // namespace platform
