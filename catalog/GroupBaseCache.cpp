// The group base: the item cache "~~<key>.bin" of the data folder. The file is read, never
// written, and is untrusted: its size is checked before anything is allocated, and a record
// taken from it is made safe before any code reads it.
#include "catalog/GroupBase.h"

#include "catalog/GroupTable.h"
#include "catalog/records/PlantItemRecord.h"
#include "catalog/records/RecordText.h"
#include "catalog/records/StoneItemRecord.h"
#include "catalog/records/TalvaneItemRecord.h"
#include "catalog/records/TrailItemRecord.h"
#include "catalog/records/WaterfallItemRecord.h"
#include "platform/FileIO.h"
#include "platform/Paths.h"

#include <cstring>

namespace {

// The key by which a cached record and an item file are matched: the path with its separators
// made uniform, compared without case.
QString PathKey(const QString& path)
{
    return platform::NormalizePath(path).toCaseFolded();
}

// A code list ends at its first 0: everything after it is cleared, so that no reader can find
// stale codes behind the terminator.
void BoundCodeList(int32_t (&list)[kMaxCodes])
{
    int i = 0;
    while (i < kMaxCodes && list[i] != 0)
        ++i;
    std::fill(list + i, list + kMaxCodes, 0);
}

} // namespace

QString CGroupBase::ItemCachePath() const
{
    return platform::JoinPath(DataFolder(), QStringLiteral("~~") + key + QStringLiteral(".bin"));
}

bool CGroupBase::LoadItemCache(std::size_t size)
{
    cacheTried = true;
    // Every record begins with its item file's path; a smaller record cannot be one.
    if (size < std::size_t(kPathWidth) * sizeof(char16_t) || (recordSize != 0 && size != recordSize))
        return false;
    const qint64 element = qint64(size) + kElementExtra;
    // A cache can hold no more records than a group can; a larger file is refused unread.
    const qint64 maxBytes = element * kMaxItems;
    const QString path = ItemCachePath();
    QByteArray bytes;
    if (!platform::ReadWholeFile(path, &bytes, maxBytes))
        return false;
    if (bytes.isEmpty() || bytes.size() % element != 0)
        return false;
    platform::FileTime time;
    if (!platform::GetFileWriteTime(path, &time))
        return false;
    cacheCount = int(bytes.size() / element);
    cacheBlock = std::move(bytes);
    cacheUsed.assign(std::size_t(cacheCount), false);
    cacheTime = time;
    recordSize = size;
    elementSize = int(element);
    cacheIndex.clear();
    for (int i = 0; i < cacheCount; ++i) {
        const auto* field =
            reinterpret_cast<const char16_t*>(cacheBlock.constData() + qsizetype(i) * qsizetype(size));
        cacheIndex[PathKey(FieldText(field, CGroupBase::kPathWidth))].append(i);
    }
    return true;
}

std::byte* CGroupBase::TakeCachedBytes(int position, std::size_t size)
{
    if (!cacheTried)
        LoadItemCache(size);
    if (cacheCount <= 0 || cacheBlock.isEmpty() || size != recordSize || position < 0
        || position >= cacheCount)
        return nullptr;
    std::byte* slot = AppendItemSlot(size);
    if (!slot)
        return nullptr;
    std::memcpy(slot, cacheBlock.constData() + qsizetype(position) * qsizetype(size), size);
    cacheUsed[std::size_t(position)] = true;
    return slot;
}

int CGroupBase::FindCachedRecord(const QString& path, const platform::FileTime& writeTime,
                                 std::size_t size)
{
    if (!cacheTried)
        LoadItemCache(size);
    if (cacheCount <= 0 || size != recordSize)
        return -1;
    const auto found = cacheIndex.constFind(PathKey(path));
    if (found == cacheIndex.constEnd())
        return -1;
    for (int position : *found) {
        if (cacheUsed[std::size_t(position)])
            continue;
        // Only a cache written after the file was last changed may stand for it.
        return writeTime < cacheTime ? position : -1;
    }
    return -1;
}

void CGroupBase::SanitizeCachedRecord(TalvaneItemRecord& r)
{
    TerminateField(r.path);
    TerminateField(r.Name);
    TerminateField(r.Name2);
    TerminateField(r.Stone);
    TerminateField(r.Stone2);
    TerminateField(r.Stone3);
    TerminateField(r.StoneAlias);
    TerminateField(r.StoneAlias2);
    TerminateField(r.StoneAlias3);
    TerminateField(r.StoneStatus);
    TerminateField(r.StoneStatus2);
    TerminateField(r.StoneStatus3);
    TerminateField(r.Region);
    TerminateField(r.Waypoint);
    BoundCodeList(r.Visits);
    BoundCodeList(r.AtlasRefs);
    BoundCodeList(r.MateVisits);
}

void CGroupBase::SanitizeCachedRecord(StoneItemRecord& r)
{
    TerminateField(r.path);
    TerminateField(r.Name);
    TerminateField(r.Stone);
    TerminateField(r.StoneAlias);
    TerminateField(r.StoneStatus);
    TerminateField(r.Region);
    TerminateField(r.Waypoint);
    BoundCodeList(r.Visits);
}

void CGroupBase::SanitizeCachedRecord(TrailItemRecord& r)
{
    TerminateField(r.path);
    TerminateField(r.Name);
    TerminateField(r.Name2);
    TerminateField(r.Region);
    TerminateField(r.Track);
    BoundCodeList(r.Visits);
    BoundCodeList(r.AtlasRefs);
    BoundCodeList(r.MateVisits);
}

void CGroupBase::SanitizeCachedRecord(WaterfallItemRecord& r)
{
    TerminateField(r.path);
    TerminateField(r.Name);
    TerminateField(r.Name2);
    TerminateField(r.Region);
    TerminateField(r.Waypoint);
    BoundCodeList(r.Visits);
}

void CGroupBase::SanitizeCachedRecord(PlantItemRecord& r)
{
    TerminateField(r.path);
    TerminateField(r.Name);
    TerminateField(r.Name2);
    TerminateField(r.Class);
}
