#pragma once
// The pieces of a record menu that every group with walks and atlas pages shares: the menu's
// command ids, the entries of the owner's walk reports and of the two route-map atlases that
// list an item, read afresh from the owner's pages at each use, and the links behind them.
#include "catalog/records/CodeList.h"
#include "catalog/window/IPopupMenu.h"

#include <QList>
#include <QString>

#include <cstdint>

namespace record_links {

using CodeList = int32_t[kMaxCodes];

// Command ids of the record menu: the first id of each kind plus the code's position in its
// list. Each kind owns kRange ids, of which the first kMaxCodes can name a code.
struct RecordCommand {
    static constexpr int kWalk = 2000;
    static constexpr int kBlueSky = 2100;
    static constexpr int kQuill = 2200;
    static constexpr int kMate = 2300;
    static constexpr int kRange = 100;
};

MenuEntry Entry(int id, const QString& text);

// "行旅客%d: %s [%s]" for each walk of visits that the walk index page holds.
void AddWalkEntries(const CodeList& visits, QList<MenuEntry>* entries);
// "藍天圖集(%s%03d)%s" or "岫禾圖集(%s%03d)%s" for each code of one atlas kind that a page of
// that atlas matches; the atlas is read once, on its first code.
void AddAtlasEntries(const CodeList& atlasRefs, int kind, QList<MenuEntry>* entries);

// The link of a walk on the walk index page, relative links prefixed with [Template] OnlineDir
// of the main settings; empty when the page does not hold the walk.
QString WalkLink(int walk);
// The link of the first page of the atlas of kind that matches code; empty when none does or
// the code is of another kind.
QString AtlasLink(int kind, int code);

// The code at a position of a list; 0 past the list's end.
int CodeAt(const CodeList& list, int position);
bool InRange(int id, int first, int count);

// A web address as it stands; any other link is a path, and a relative one lies under the
// program folder, wherever the program was started from.
QString ResolveLink(const QString& link);

} // namespace record_links
