#include "ProfileSnapshot.h"

#include "IniCache.h"

namespace platform {

ProfileSnapshot::ProfileSnapshot(const QString& path) : path_(path)
{
    IniCache::Instance().pin(path_);
}

ProfileSnapshot::~ProfileSnapshot()
{
    IniCache::Instance().unpin(path_);
}

} // namespace platform
