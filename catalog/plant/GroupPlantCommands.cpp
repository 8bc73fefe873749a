// The plant group's row commands: the item file in the editor, the record menu of the plant's
// web pages ([Plant] Blog%d titles, Link%d addresses; a relative address lies under the program
// folder, as the walk and atlas links do), and the plant search dialog.
#include "catalog/plant/GroupPlant.h"

#include "catalog/records/RecordText.h"
#include "catalog/text/RecordLinks.h"
#include "catalog/window/IDialogRunner.h"
#include "catalog/window/IPopupMenu.h"
#include "catalog/window/WindowServices.h"
#include "platform/ProfileSnapshot.h"
#include "platform/Shell.h"

namespace {

const QString kBlogKey = QStringLiteral("Blog%1");
const QString kLinkKey = QStringLiteral("Link%1");

} // namespace

QString CGroupPlant::RowPath(IItemList* list, int row) const
{
    return ItemPath(ItemOfRow(list, row));
}

bool CGroupPlant::EditItemFile(IItemList* list, int row)
{
    const QString path = RowPath(list, row);
    if (path.isEmpty())
        return false;
    EditFile(path);
    return true;
}

bool CGroupPlant::HasRecordLinks(IItemList* list, int row)
{
    const QString path = RowPath(list, row);
    return !path.isEmpty() && !ReadItemText(path, kLinkKey.arg(1)).isEmpty();
}

// One entry per page title, from Blog1 up to the first empty one. Titles stand as written: the
// menu shows a "&" as it is.
bool CGroupPlant::PopupRecordMenu(IItemList* list, int row)
{
    const QString path = RowPath(list, row);
    if (path.isEmpty())
        return false;
    QList<MenuEntry> entries;
    const platform::ProfileSnapshot snapshot(path);  // the titles come from one parse
    for (int n = 1; n <= kMaxLinks; ++n) {
        const QString title = ReadItemText(path, kBlogKey.arg(n));
        if (title.isEmpty())
            break;
        MenuEntry entry;
        entry.id = kFirstLinkCommand + n - 1;
        entry.text = title;
        entries.append(entry);
    }
    const WindowServices* services = Services();
    if (services && services->popupMenu)
        services->popupMenu->ShowAtCursor(entries, MenuDelivery::ToOwner);
    return true;
}

bool CGroupPlant::OpenRecordLink(IItemList* list, int row, int commandId)
{
    if (commandId < kFirstLinkCommand || commandId > kLastLinkCommand)
        return false;
    const QString path = RowPath(list, row);
    if (path.isEmpty())
        return false;
    const QString link = ReadItemText(path, kLinkKey.arg(commandId - kFirstLinkCommand + 1));
    const WindowServices* services = Services();
    if (!link.isEmpty() && services && services->shell)
        services->shell->Open(record_links::ResolveLink(link));
    return true;
}

// The dialog's outcome is not used.
bool CGroupPlant::RunFindDialog(IMainWindow*, CSubsetBase* subset, QString* searchText, int, int)
{
    return RunSearch(FindDialogKind::Plants, subset, searchText).has_value();
}
