// The group base: construction, the base behaviour of the virtual operations and the
// operations that offer a call to the selected subset first.
#include "catalog/GroupBase.h"

#include "catalog/window/IItemList.h"
#include "catalog/subsets/SubsetBase.h"

namespace {

const QString kDefaultRecordMenuCaption = QStringLiteral("記錄地圖...");

} // namespace

CGroupBase::CGroupBase() : recordMenuCaption(kDefaultRecordMenuCaption) {}

CGroupBase::~CGroupBase() = default;

CSubsetBase* CGroupBase::Subset(int index) const
{
    if (index < 0 || index >= int(subsets.size()))
        return nullptr;
    return subsets[std::size_t(index)].get();
}

bool CGroupBase::AddSubset(CSubsetBase* subset)
{
    std::unique_ptr<CSubsetBase> owned(subset);
    if (!owned || int(subsets.size()) >= kMaxSubsets)
        return false;
    subsets.push_back(std::move(owned));
    return true;
}

bool CGroupBase::Init(const QString& settings, CGroupTable* owner, const QString& itemFolder)
{
    settingsFile = settings;
    table = owner;
    folder = itemFolder;
    return true;
}

bool CGroupBase::LoadItemFile(const QString&, const platform::FileTime&) { return false; }
const std::byte* CGroupBase::GetItemRecord(int) const { return nullptr; }
bool CGroupBase::OnLoaded() { return true; }
int CGroupBase::FillItemList(IItemList*, int) { return 0; }

int CGroupBase::FillAllItems(IItemList* list)
{
    if (!list)
        return 0;
    ClearListCtrl(list);
    SetupItemColumns(list, nullptr);
    for (int i = 0; i < itemCount; ++i)
        InsertItemRow(list, i, i);
    return itemCount;
}

bool CGroupBase::SortItemList(IItemList*, int) { return false; }
bool CGroupBase::ShowItemSummary(IStatusText*, int) { return false; }
bool CGroupBase::ShowRowSummary(IStatusText*, IItemList*, int) { return false; }
bool CGroupBase::EditItemFile(IItemList*, int) { return false; }
bool CGroupBase::HasRecordLinks(IItemList*, int) { return false; }
bool CGroupBase::PopupRecordMenu(IItemList*, int) { return false; }
bool CGroupBase::OpenRecordLink(IItemList*, int, int) { return false; }
bool CGroupBase::AddVisit(IItemList*, int, int) { return false; }
bool CGroupBase::AddMateVisit(IItemList*, int, int) { return false; }
bool CGroupBase::AddAtlasRef(IItemList*, int, int) { return false; }

bool CGroupBase::LocateRow(IItemList* list, int row, int radius, bool online)
{
    if (!list || row < 0 || row >= list->RowCount())
        return false;
    return LocateItem(int(list->RowData(row)), radius, online);
}

bool CGroupBase::OpenWalkGps(IItemList*, int) { return false; }

// Subset-first operations: the subset of a valid index is asked first; when it declines, the
// group's own operation runs with the same arguments.
bool CGroupBase::SortItemListFor(IItemList* list, int column, int subset)
{
    if (CSubsetBase* s = Subset(subset); s && s->SortItemList(list, column))
        return true;
    return SortItemList(list, column);
}

bool CGroupBase::ShowRowSummaryFor(IStatusText* window, IItemList* list, int row, int subset)
{
    if (CSubsetBase* s = Subset(subset); s && s->ShowRowSummary(window, list, row))
        return true;
    return ShowRowSummary(window, list, row);
}

bool CGroupBase::EditItemFileFor(IItemList* list, int row, int subset)
{
    if (CSubsetBase* s = Subset(subset); s && s->EditItemFile(list, row))
        return true;
    return EditItemFile(list, row);
}

bool CGroupBase::HasRecordLinksFor(IItemList* list, int row, int subset)
{
    if (CSubsetBase* s = Subset(subset); s && s->HasRecordLinks(list, row))
        return true;
    return HasRecordLinks(list, row);
}

bool CGroupBase::PopupRecordMenuFor(IItemList* list, int row, int subset)
{
    if (CSubsetBase* s = Subset(subset); s && s->PopupRecordMenu(list, row))
        return true;
    return PopupRecordMenu(list, row);
}

bool CGroupBase::OpenRecordLinkFor(IItemList* list, int row, int subset, int commandId)
{
    if (CSubsetBase* s = Subset(subset); s && s->OpenRecordLink(list, row, commandId))
        return true;
    return OpenRecordLink(list, row, commandId);
}

bool CGroupBase::LocateRowFor(IItemList* list, int row, int subset, int radius, bool online)
{
    if (CSubsetBase* s = Subset(subset); s && s->LocateRow(list, row, radius, online))
        return true;
    return LocateRow(list, row, radius, online);
}

bool CGroupBase::OpenWalkGpsFor(IItemList* list, int row, int subset)
{
    if (CSubsetBase* s = Subset(subset); s && s->OpenWalkGps(list, row))
        return true;
    return OpenWalkGps(list, row);
}

bool CGroupBase::ExportWaypointsFor(IItemList* list, int subset)
{
    if (CSubsetBase* s = Subset(subset); s && s->ExportWaypoints(list))
        return true;
    return ExportWaypoints(list);
}

bool CGroupBase::SyncWaypointsFor(IItemList* list, int subset)
{
    if (CSubsetBase* s = Subset(subset); s && s->SyncWaypoints(list))
        return true;
    return SyncWaypoints(list);
}

void CGroupBase::SetupItemColumns(IItemList*, const ColumnLayout*) {}
void CGroupBase::SetupAssignColumns(IItemList*) {}
bool CGroupBase::InsertItemRowEx(IItemList*, int, int, bool, bool) { return false; }
bool CGroupBase::InsertItemRow(IItemList*, int, int) { return false; }

bool CGroupBase::GetItemRegion(int, QString* text)
{
    if (text)
        text->clear();
    return false;
}

bool CGroupBase::GetItemNames(int, QString* name, QString* name2)
{
    for (QString* s : {name, name2})
        if (s)
            s->clear();
    return false;
}

QString CGroupBase::ExportItemName(int item)
{
    QString name;
    GetItemNames(item, &name, nullptr);
    return name;
}

bool CGroupBase::GetItemStones(int, QString* stone, QString* stone2, QString* stone3)
{
    for (QString* s : {stone, stone2, stone3})
        if (s)
            s->clear();
    return false;
}

bool CGroupBase::GetItemWaypointName(int, QString* text)
{
    if (text)
        text->clear();
    return false;
}

int CGroupBase::CountVisits(int) { return 0; }
int CGroupBase::CountAtlasRefsOfKind(int, int) { return 0; }
int CGroupBase::CountAtlasRefs(int) { return 0; }
int CGroupBase::CountMateVisitsOf(int, int) { return 0; }
int CGroupBase::CountMateVisits(int) { return 0; }

bool CGroupBase::CodeListContains(const int32_t* list, int value) const
{
    if (!list)
        return false;
    for (int i = 0; i < kMaxCodes && list[i] != 0; ++i)
        if (list[i] == value)
            return true;
    return false;
}

bool CGroupBase::WasVisitedOn(int, int) { return false; }
bool CGroupBase::HasAtlasRef(int, int) { return false; }
bool CGroupBase::HasMateVisit(int, int) { return false; }
int CGroupBase::GetDefaultSortColumn() { return 0; }

// Unlike the other subset-first operations, an index that names no subset does nothing; a
// subset that declines passes the call to the group with the flag cleared.
bool CGroupBase::WriteHtmlTableFor(IItemList* list, const QString& title, int subset,
                                   const QString& suffix, int number, const QString& templateKey)
{
    CSubsetBase* s = Subset(subset);
    if (!s)
        return false;
    if (s->WriteHtmlTable(list, title, suffix, number, templateKey))
        return true;
    return WriteHtmlTable(list, title, suffix, number, templateKey, false);
}

bool CGroupBase::TakeCachedItem(int) { return false; }
bool CGroupBase::AcceptItemFile(const QString&, const platform::FileTime&) { return true; }

bool CGroupBase::FindItemsVisitedOn(int, int* count, QList<int>*)
{
    if (count)
        *count = 0;
    return false;
}

bool CGroupBase::JoinNamesVisitedOn(int, QString*) { return false; }

bool CGroupBase::FindItemsByAtlasRef(int, int* count, QList<int>*)
{
    if (count)
        *count = 0;
    return false;
}

bool CGroupBase::JoinNamesByAtlasRef(int, QString*) { return false; }
bool CGroupBase::HasFeature(int) { return false; }
bool CGroupBase::RunFindDialog(IMainWindow*, CSubsetBase*, QString*, int, int) { return false; }
bool CGroupBase::PopupItemMenu(IItemList*, int) { return false; }
int CGroupBase::SetActiveView(IPointView*) { return 0; }
bool CGroupBase::ShowItemOnMap(IPointView*, int) { return false; }
bool CGroupBase::ShowItemOnMapAt(IPointView*, int, int, std::optional<quint32>) { return false; }
GPSWayPointSet* CGroupBase::GetWaypointSet() { return &waypointSet; }
void CGroupBase::FormatItemDescription(int, QString*) {}
int CGroupBase::GetItemHeight(int) { return 0; }
bool CGroupBase::SetItemWaypoint(int, const GPSWayPointRecordW*, double, double) { return false; }
bool CGroupBase::AppendItemSummary(int, QString*) { return false; }

bool ClearListCtrl(IItemList* list)
{
    if (!list)
        return false;
    list->DeleteAllRows();
    for (int n = list->ColumnCount(); n > 0; --n)
        list->DeleteColumn(0);
    return true;
}
