#include "PageEntries.h"

#include "FuzzScratch.h"
#include "catalog/text/GuideEntry.h"
#include "catalog/text/HtmlTableReader.h"

#include <QList>

namespace fuzz {

namespace {

const QString kLinkPrefix = QStringLiteral("http://walks.example.org/");
const QString kAbsoluteLink = QStringLiteral("http");
// The walk whose index page GetWalkGpsNumber reads: "<scratch>/w12/index.htm".
constexpr int kGpsWalk = 12;
constexpr int kLastVolume = 30;

// The index's own promises: walks stored only in 1 … kMaxWalks - 1, no more stored than counted,
// highestWalk the highest stored, nothing kept for a walk not stored.
std::string CheckIndex(const WalkIndex& index, int count, bool keepCentred)
{
    const std::size_t size = WalkIndex::kMaxWalks;
    if (index.stored.size() != size || index.titles.size() != size || index.links.size() != size
        || index.dates.size() != size || index.centred.size() != size)
        return "the index lost its size";
    if (index.stored[0])
        return "walk 0 stored";
    int stored = 0, highest = 0;
    for (int walk = 1; walk < WalkIndex::kMaxWalks; ++walk) {
        const std::size_t w = std::size_t(walk);
        if (index.stored[w]) {
            ++stored;
            highest = walk;
        } else if (!index.titles[w].isEmpty() || !index.links[w].isEmpty() || !index.dates[w].isEmpty()
                   || !index.centred[w].isEmpty()) {
            return "a walk not stored has text";
        }
        if (!keepCentred && !index.centred[w].isEmpty())
            return "centred cell kept by the reader that drops it";
    }
    if (count < stored || (count > 0 && stored == 0))
        return "row count does not match the rows stored";
    if (index.highestWalk != highest)
        return "highestWalk is not the highest stored walk";
    return {};
}

// A reading with the link prefix differs from one without only by the prefix before links
// that are relative.
std::string CheckPrefixed(const WalkIndex& plain, const WalkIndex& prefixed)
{
    for (int walk = 1; walk < WalkIndex::kMaxWalks; ++walk) {
        const std::size_t w = std::size_t(walk);
        if (plain.stored[w] != prefixed.stored[w] || plain.titles[w] != prefixed.titles[w]
            || plain.dates[w] != prefixed.dates[w])
            return "the link prefix changed a row";
        const QString& link = plain.links[w];
        const QString& got = prefixed.links[w];
        const bool relative = !link.contains(kAbsoluteLink);
        if (got != link && !(relative && got == kLinkPrefix + link))
            return "a link was prefixed wrongly";
    }
    return {};
}

std::string CheckSameRows(const WalkIndex& a, const WalkIndex& b)
{
    if (a.stored != b.stored || a.titles != b.titles || a.links != b.links || a.dates != b.dates
        || a.highestWalk != b.highestWalk)
        return "the two walk readers read different rows";
    return {};
}

std::string ReadWalkPage(const QString& path)
{
    WalkIndex plain, prefixed, listed;
    const int count = ReadHtmlTableRows(path, &plain);
    std::string broken = CheckIndex(plain, count, false);
    if (broken.empty()) {
        const int countPrefixed = ReadHtmlTableRows(path, &prefixed, kLinkPrefix);
        broken = countPrefixed != count ? "the link prefix changed the row count"
                                        : CheckPrefixed(plain, prefixed);
    }
    if (broken.empty()) {
        const int countListed = ReadHtmlTableRowsToList(path, &listed);
        broken = countListed != count ? "the list reader counted other rows"
                                      : CheckIndex(listed, countListed, true);
        if (broken.empty())
            broken = CheckSameRows(plain, listed);
    }
    for (int walk = 0; walk <= WalkIndex::kMaxWalks && broken.empty(); ++walk)
        if (plain.Holds(walk) != (walk >= 1 && walk < WalkIndex::kMaxWalks && plain.stored[std::size_t(walk)]))
            broken = "Holds differs from the stored rows";
    return broken;
}

bool IsVolume(int volume)
{
    return volume == -1 || (volume >= 1 && volume <= kLastVolume);
}

// Sorted by volume descending and page ascending, no entry twice, at most kMaxEntries.
std::string CheckAtlas(const QList<GuideEntry>& entries, int count)
{
    if (count != entries.size())
        return "atlas count differs from the entries";
    if (count > GuideEntry::kMaxEntries)
        return "more atlas entries than kMaxEntries";
    qsizetype groupStart = 0;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (!IsVolume(entries[i].volume))
            return "atlas volume outside 1 to 30 and not -1";
        if (i > 0 && CompareGuideEntries(entries[i - 1], entries[i]) > 0)
            return "atlas entries out of order";
        if (i > 0 && CompareGuideEntries(entries[i - 1], entries[i]) != 0)
            groupStart = i;
        for (qsizetype j = groupStart; j < i; ++j)
            if (entries[j].title == entries[i].title)
                return "an atlas page entered twice";
    }
    return {};
}

std::string CheckQuill(const QList<GuideEntry>& entries)
{
    if (entries.size() > GuideEntry::kMaxEntries)
        return "more 岫禾圖集 entries than kMaxEntries";
    for (const GuideEntry& entry : entries)
        if (entry.volume < -1 || entry.volume > kLastVolume || entry.page < 0)
            return "岫禾圖集 entry with a volume or page outside the atlas";
    return {};
}

} // namespace

std::string WalkIndexPage(Bytes input)
{
    ClearScratch();
    std::string broken = ReadWalkPage(ScratchFile(QStringLiteral("walk.htm"), input));
    ScratchFile(QStringLiteral("w%1/index.htm").arg(kGpsWalk), input);
    const int number = GetWalkGpsNumber(ScratchDir() + QStringLiteral("/gps/"), kGpsWalk);
    if (broken.empty() && number < 0)
        broken = "negative GPS file number";
    return broken;
}

std::string AtlasPage(Bytes input)
{
    ClearScratch();
    const QString path = ScratchFile(QStringLiteral("guide.htm"), input);
    QList<GuideEntry> entries;
    std::string broken = CheckAtlas(entries, ReadHtmlTableCells(path, &entries));
    if (broken.empty())
        broken = CheckQuill(ReadQuillAtlasFile(path));
    return broken;
}

} // namespace fuzz
