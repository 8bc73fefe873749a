#pragma once
// The atlas references written in a group's item files, collected for the route-map atlas
// comparison: BlueSky%d values against the BlueSky atlas, Quill%d values for 岫禾圖集's index.
#include "catalog/text/GuideEntry.h"

#include <QList>
#include <QString>
#include <QStringView>

class AtlasProgress;
class CGroupBase;

// Item-file keys of the references and their links.
inline constexpr QStringView kBlueSkyKeyPattern = u"BlueSky%d";
inline constexpr QStringView kBlueSkyLinkPattern = u"BlueLink%d";
inline constexpr QStringView kQuillKeyPattern = u"Quill%d";
inline constexpr QStringView kQuillLinkPattern = u"QuillLink%d";
// The most references an item file holds per atlas.
constexpr int kMaxAtlasKeysPerItem = 30;

// The "藍天圖集[n]" prefix of an old-style BlueSky reference.
inline constexpr QStringView kOldStyleBlueSkyName = u"藍天圖集";

// Stable-sort orders: CompareGuideEntries (volume descending, page ascending), or
// CompareGuideEntriesByText (volume descending, link ascending), then title and link.
bool GuideEntryLess(const GuideEntry& a, const GuideEntry& b);
bool GuideEntryByTextLess(const GuideEntry& a, const GuideEntry& b);
void SortGuideEntries(QList<GuideEntry>* entries, bool byText);

// Removes every entry whose volume, link and title equal those of the entry before it.
void RemoveRepeatedEntries(QList<GuideEntry>* entries);

// One BlueSky%d value as a reference: "(十五045)title" naming a page of atlas gives false
// (the reference is dropped); "藍天圖集[n]title" gives volume n and page 0; any other text
// volume -1. The entry's title is the whole value.
bool ReadBlueSkyReference(const QString& value, const QList<GuideEntry>& atlas, GuideEntry* entry);

// The atlas code of an entry of the atlas of kind mode; false when its volume is not 1 to 30 or
// its page not 1 to 999 (such a page would decode as another one).
bool AtlasEntryCode(int mode, const GuideEntry& entry, int* code);

// Collects the references of every item of group under keyPattern / linkPattern (k = 1 to 30,
// an empty value ends an item's keys), mode 0 through ReadBlueSkyReference against atlas, mode
// 1 through GuideEntry::ParseTitle. Reading stops when entries hold GuideEntry::kMaxEntries.
// Then sorts (mode 1 by page, mode 0 by link), removes repeated entries, shows the number kept
// through progress (may be null) and returns it.
int ReadAtlasKeys(const CGroupBase& group, int mode, const QList<GuideEntry>& atlas,
                  QStringView keyPattern, QStringView linkPattern, QList<GuideEntry>* entries,
                  AtlasProgress* progress);
