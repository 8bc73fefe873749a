#include "CacheEntries.h"

#include "FuzzScratch.h"
#include "catalog/GroupTable.h"
#include "catalog/plant/GroupPlant.h"
#include "catalog/records/PlantItemRecord.h"
#include "catalog/records/RecordText.h"
#include "catalog/records/StoneItemRecord.h"
#include "catalog/records/TalvaneItemRecord.h"
#include "catalog/records/TrailItemRecord.h"
#include "catalog/records/WaterfallItemRecord.h"
#include "catalog/stone/GroupStone.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/trail/GroupTrail.h"
#include "catalog/waterfall/GroupWaterfall.h"
#include "platform/FileTime.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QFileInfo>

#include <cstring>

namespace fuzz {

namespace {

// Compares each field of a record taken from the cache with the same bytes of the file: a text
// field ends with a 0 in its last unit and keeps the file's text up to there (less a high
// surrogate left without its low half); a code list keeps its codes up to the first 0 and holds
// only 0 after it.
class FieldCheck {
public:
    FieldCheck(const std::byte* cached, const void* taken) : cached(cached), taken(taken) {}

    template <std::size_t N>
    void Text(const char16_t (&field)[N])
    {
        char16_t original[N];
        std::memcpy(original, cached + Offset(field), sizeof original);
        const QString before = FieldText(original);
        const QString after = FieldText(field);
        if (field[N - 1] != 0)
            Fail("a text field does not end with a 0");
        else if (!before.startsWith(after) || after.size() < std::min<qsizetype>(before.size(), N - 2))
            Fail("a text field differs from the file's");
    }

    template <std::size_t N>
    void Codes(const int32_t (&list)[N])
    {
        int32_t original[N];
        std::memcpy(original, cached + Offset(list), sizeof original);
        std::size_t i = 0;
        for (; i < N && original[i] != 0; ++i) {
            if (list[i] != original[i])
                Fail("a code list differs from the file's");
        }
        for (; i < N; ++i) {
            if (list[i] != 0)
                Fail("a code list holds codes after its first 0");
        }
    }

    std::string failure;

private:
    std::size_t Offset(const void* field) const
    {
        return std::size_t(static_cast<const std::byte*>(field) - static_cast<const std::byte*>(taken));
    }
    void Fail(const char* what)
    {
        if (failure.empty())
            failure = what;
    }

    const std::byte* cached;
    const void* taken;
};

void Visit(const TalvaneItemRecord& r, FieldCheck& c)
{
    c.Text(r.path);
    c.Text(r.Name);
    c.Text(r.Name2);
    c.Text(r.Stone);
    c.Text(r.Stone2);
    c.Text(r.Stone3);
    c.Text(r.StoneAlias);
    c.Text(r.StoneAlias2);
    c.Text(r.StoneAlias3);
    c.Text(r.StoneStatus);
    c.Text(r.StoneStatus2);
    c.Text(r.StoneStatus3);
    c.Text(r.Region);
    c.Text(r.Waypoint);
    c.Codes(r.Visits);
    c.Codes(r.AtlasRefs);
    c.Codes(r.MateVisits);
}

void Visit(const StoneItemRecord& r, FieldCheck& c)
{
    c.Text(r.path);
    c.Text(r.Name);
    c.Text(r.Stone);
    c.Text(r.StoneAlias);
    c.Text(r.StoneStatus);
    c.Text(r.Region);
    c.Text(r.Waypoint);
    c.Codes(r.Visits);
}

void Visit(const TrailItemRecord& r, FieldCheck& c)
{
    c.Text(r.path);
    c.Text(r.Name);
    c.Text(r.Name2);
    c.Text(r.Region);
    c.Text(r.Track);
    c.Codes(r.Visits);
    c.Codes(r.AtlasRefs);
    c.Codes(r.MateVisits);
}

void Visit(const WaterfallItemRecord& r, FieldCheck& c)
{
    c.Text(r.path);
    c.Text(r.Name);
    c.Text(r.Name2);
    c.Text(r.Region);
    c.Text(r.Waypoint);
    c.Codes(r.Visits);
}

void Visit(const PlantItemRecord& r, FieldCheck& c)
{
    c.Text(r.path);
    c.Text(r.Name);
    c.Text(r.Name2);
    c.Text(r.Class);
}

// A fresh program folder without settings, so that the data folder is the scratch folder.
void SetUpProgramFolder()
{
    ClearScratch();
    platform::ClearProfileCache();
    platform::SetProgramFolder(ScratchDir());
    CGroupTable table;
    table.LoadSettings();
}

// How many records a cache of size bytes holds: whole elements of the record and its tail,
// up to the most a group holds; 0 when it is no cache.
qsizetype ExpectedRecords(std::size_t recordSize, std::size_t size)
{
    const std::size_t element = recordSize + CGroupBase::kElementExtra;
    if (size == 0 || size % element != 0 || size / element > std::size_t(CGroupBase::kMaxItems))
        return 0;
    return qsizetype(size / element);
}

template <class Record>
std::string CheckItems(const CGroupBase& group, Bytes input)
{
    const qsizetype count = ExpectedRecords(sizeof(Record), input.size());
    if (group.ItemCount() != count)
        return "the cache gave " + std::to_string(group.ItemCount()) + " items, not "
            + std::to_string(count);
    for (int i = 0; i < group.ItemCount(); ++i) {
        const Record* r = group.ItemAs<Record>(i);
        if (!r)
            return "a taken item has no record";
        FieldCheck check(reinterpret_cast<const std::byte*>(input.data()) + std::size_t(i) * sizeof(Record), r);
        Visit(*r, check);
        if (!check.failure.empty())
            return check.failure;
        if (group.ItemPath(i) != FieldText(r->path))
            return "ItemPath is not the record's path";
    }
    return {};
}

// A second group loads the first cached record's path as an item file older than the cache:
// it must come from the cache, whatever the path.
template <class Group, class Record>
std::string CheckLookUp(Bytes input)
{
    if (ExpectedRecords(sizeof(Record), input.size()) == 0)
        return {};
    char16_t path[CGroupBase::kPathWidth];
    std::memcpy(path, input.data(), sizeof path);
    Group group;
    if (!group.LoadItemFile(FieldText(path), platform::FileTime{1}) || group.ItemCount() != 1)
        return "a cached path was not found in the cache";
    return {};
}

template <class Group, class Record>
std::string RunCache(Bytes input)
{
    SetUpProgramFolder();
    {
        Group group;
        ScratchFile(QFileInfo(group.ItemCachePath()).fileName(), input);
        for (int position = 0; group.TakeCachedItem(position); ++position) {
        }
        if (std::string failure = CheckItems<Record>(group, input); !failure.empty())
            return failure;
    }
    return CheckLookUp<Group, Record>(input);
}

} // namespace

std::string CacheTalvane(Bytes input)
{
    return RunCache<CGroupTalvane, TalvaneItemRecord>(input);
}

std::string CacheStone(Bytes input)
{
    return RunCache<CGroupStone, StoneItemRecord>(input);
}

std::string CacheTrail(Bytes input)
{
    return RunCache<CGroupTrail, TrailItemRecord>(input);
}

std::string CacheWaterfall(Bytes input)
{
    return RunCache<CGroupWaterfall, WaterfallItemRecord>(input);
}

std::string CachePlant(Bytes input)
{
    return RunCache<CGroupPlant, PlantItemRecord>(input);
}

} // namespace fuzz
