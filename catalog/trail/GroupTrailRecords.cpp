// The trail record menu: the owner's walk reports and the atlas pages that list a trail, read
// afresh at each use; the opening of their links; and a row's item file in the text editor.
#include "catalog/trail/GroupTrail.h"

#include "catalog/GroupTable.h"
#include "catalog/records/RecordText.h"
#include "catalog/text/AtlasRef.h"
#include "catalog/text/RecordLinks.h"
#include "catalog/window/IPopupMenu.h"
#include "catalog/window/WindowServices.h"
#include "platform/Shell.h"

#include <optional>

namespace {

using namespace record_links;

// The link of a record command: none when the id is no command of this trail's menu, an empty
// text when its entry has nothing to open. Atlas commands name a slot below the atlas count.
std::optional<QString> RecordLink(const TrailItemRecord& trail, int id)
{
    const int atlasCount = LeadingCodes(trail.AtlasRefs);
    if (InRange(id, RecordCommand::kWalk, LeadingCodes(trail.Visits)))
        return WalkLink(trail.Visits[id - RecordCommand::kWalk]);
    if (InRange(id, RecordCommand::kBlueSky, atlasCount))
        return AtlasLink(kAtlasKindBlueSky, trail.AtlasRefs[id - RecordCommand::kBlueSky]);
    if (InRange(id, RecordCommand::kQuill, atlasCount))
        return AtlasLink(kAtlasKindQuill, trail.AtlasRefs[id - RecordCommand::kQuill]);
    return std::nullopt;
}

} // namespace

bool CGroupTrail::EditItemFile(IItemList* list, int row)
{
    const TrailItemRecord* r = Record(ItemOfRow(list, row));
    if (!r)
        return false;
    EditFile(FieldText(r->path));
    return true;
}

bool CGroupTrail::HasRecordLinks(IItemList* list, int row)
{
    const TrailItemRecord* r = Record(ItemOfRow(list, row));
    return r && (r->Visits[0] != 0 || r->AtlasRefs[0] != 0 || r->MateVisits[0] != 0);
}

bool CGroupTrail::PopupRecordMenu(IItemList* list, int row)
{
    const TrailItemRecord* r = Record(ItemOfRow(list, row));
    if (!r)
        return false;
    QList<MenuEntry> entries;
    AddWalkEntries(r->Visits, &entries);
    AddAtlasEntries(r->AtlasRefs, kAtlasKindBlueSky, &entries);
    AddAtlasEntries(r->AtlasRefs, kAtlasKindQuill, &entries);
    // The menu runs an event loop of its own: nothing of the record is used once it shows.
    const WindowServices* services = Services();
    if (services && services->popupMenu && !entries.isEmpty())
        services->popupMenu->ShowAtCursor(entries, MenuDelivery::ToOwner);
    return true;
}

bool CGroupTrail::OpenRecordLink(IItemList* list, int row, int commandId)
{
    const TrailItemRecord* r = Record(ItemOfRow(list, row));
    if (!r)
        return false;
    const std::optional<QString> link = RecordLink(*r, commandId);
    if (!link)
        return false;
    const WindowServices* services = Services();
    if (services && services->shell && !link->isEmpty())
        services->shell->Open(ResolveLink(*link));
    return true;
}
