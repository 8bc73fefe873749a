#include "catalog/compare/AtlasKeys.h"

#include "catalog/GroupBase.h"
#include "catalog/compare/AtlasProgress.h"
#include "catalog/text/AtlasRef.h"
#include "catalog/text/TextParsers.h"
#include "platform/Profile.h"

#include <QSet>

#include <algorithm>

namespace {

constexpr int kMaxPage = 999;
// "藍天圖集[" ends at 4 and at least one digit stands before "]".
constexpr qsizetype kOldStyleBracket = 4;
constexpr qsizetype kOldStyleMinClose = 6;

// Title, then link: the last keys of both orders.
int CompareTitleLink(const GuideEntry& a, const GuideEntry& b)
{
    if (const int c = a.title.compare(b.title, Qt::CaseSensitive))
        return c;
    return a.link.compare(b.link, Qt::CaseSensitive);
}

QSet<int> PageCodes(const QList<GuideEntry>& atlas)
{
    QSet<int> codes;
    for (const GuideEntry& entry : atlas)
        codes.insert(AtlasRefCode(kAtlasKindBlueSky, entry.volume, entry.page));
    return codes;
}

// The volume of "藍天圖集[n]..." or -1.
int OldStyleVolume(QStringView value)
{
    const qsizetype open = value.indexOf(u'[');
    const qsizetype close = value.indexOf(u']');
    if (open != kOldStyleBracket || close < kOldStyleMinClose)
        return -1;
    return ParseDecimalPrefix(value.mid(open + 1, close - open - 1));
}

bool ReadBlueSkyReferenceIn(const QString& value, const QSet<int>& pageCodes, GuideEntry* entry)
{
    entry->title = value;
    entry->volume = -1;
    int volume = 0;
    int page = 0;
    if (ParseAtlasRefInParens(value, &volume, &page) != 0) {
        entry->volumeText = value.mid(1, value.indexOf(u')') - 4);
        entry->page = page;
        if (volume > 0 && page > 0
            && pageCodes.contains(AtlasRefCode(kAtlasKindBlueSky, volume, page)))
            return false;
    }
    entry->volume = OldStyleVolume(value);
    if (entry->volume != -1)
        entry->page = 0;
    return true;
}

// Reads one item's references into entries; false when entries became full.
bool ReadItemKeys(const QString& path, const QString& section, int mode, const QSet<int>& pageCodes,
                  QStringView keyPattern, QStringView linkPattern, QList<GuideEntry>* entries)
{
    for (int k = 1; k <= kMaxAtlasKeysPerItem; ++k) {
        if (entries->size() >= GuideEntry::kMaxEntries)
            return false;
        QString value = platform::GetProfileString(path, section, FormatNumberedKey(keyPattern, k));
        if (value.isEmpty())
            return true;
        GuideEntry entry;
        entry.title = value;
        entry.volume = -1;
        entry.link = platform::GetProfileString(path, section, FormatNumberedKey(linkPattern, k));
        if (mode == kAtlasKindQuill)
            entry.ParseTitle(&value);
        else if (!ReadBlueSkyReferenceIn(value, pageCodes, &entry))
            continue;
        entries->append(std::move(entry));
    }
    return entries->size() < GuideEntry::kMaxEntries;
}

} // namespace

bool GuideEntryLess(const GuideEntry& a, const GuideEntry& b)
{
    if (const int c = CompareGuideEntries(a, b))
        return c < 0;
    return CompareTitleLink(a, b) < 0;
}

bool GuideEntryByTextLess(const GuideEntry& a, const GuideEntry& b)
{
    if (const int c = CompareGuideEntriesByText(a, b))
        return c < 0;
    return CompareTitleLink(a, b) < 0;
}

void SortGuideEntries(QList<GuideEntry>* entries, bool byText)
{
    std::stable_sort(entries->begin(), entries->end(), byText ? GuideEntryByTextLess : GuideEntryLess);
}

void RemoveRepeatedEntries(QList<GuideEntry>* entries)
{
    const auto same = [](const GuideEntry& a, const GuideEntry& b) {
        return a.volume == b.volume && a.link == b.link && a.title == b.title;
    };
    entries->erase(std::unique(entries->begin(), entries->end(), same), entries->end());
}

bool ReadBlueSkyReference(const QString& value, const QList<GuideEntry>& atlas, GuideEntry* entry)
{
    return ReadBlueSkyReferenceIn(value, PageCodes(atlas), entry);
}

bool AtlasEntryCode(int mode, const GuideEntry& entry, int* code)
{
    if (entry.volume < 1 || entry.volume > kAtlasVolumeCount || entry.page < 1
        || entry.page > kMaxPage)
        return false;
    *code = AtlasRefCode(mode, entry.volume, entry.page);
    return true;
}

int ReadAtlasKeys(const CGroupBase& group, int mode, const QList<GuideEntry>& atlas,
                  QStringView keyPattern, QStringView linkPattern, QList<GuideEntry>* entries,
                  AtlasProgress* progress)
{
    // Taken before entries is cleared: a caller may pass the same list for both.
    const QSet<int> pageCodes = mode == kAtlasKindQuill ? QSet<int>() : PageCodes(atlas);
    entries->clear();
    for (int item = 0; item < group.ItemCount(); ++item) {
        if (progress)
            progress->Step(item + 1);
        if (!ReadItemKeys(group.ItemPath(item), group.Key(), mode, pageCodes, keyPattern,
                          linkPattern, entries))
            break;
    }
    SortGuideEntries(entries, mode != kAtlasKindQuill);
    RemoveRepeatedEntries(entries);
    if (progress)
        progress->Show(QString::number(entries->size()));
    return int(entries->size());
}
