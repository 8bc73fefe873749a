#pragma once
// Group and subset classes for tests of the group base and the group table: a group of any
// record type that reads a record's path and Name, a subset that records the calls offered to
// it, and a subset that lists preset rows under preset columns.
#include "catalog/GroupBase.h"
#include "catalog/subsets/SubsetBase.h"
#include "catalog/records/TalvaneItemRecord.h"
#include "catalog/subsets/SubsetTreeContext.h"
#include "catalog/window/IItemList.h"
#include "catalog/window/IListBox.h"

#include <QStringList>
#include <functional>

template <class Record>
class TestGroup : public CGroupBase {
public:
    TestGroup(const QString& groupKey, const QString& display, const QString& required = QString())
    {
        key = groupKey;
        displayName = display;
        requiredKey = required;
    }

    bool LoadItemFile(const QString& path, const platform::FileTime& writeTime) override
    {
        loaded << path;
        if (useCache && TakeCachedRecordFor<Record>(path, writeTime)) {
            ++fromCache;
            return true;
        }
        if (!HasNameKey(path) || !FitsRecordPath(path))
            return false;
        Record* record = AppendItem<Record>();
        if (!record)
            return false;
        SetRecordPath(record->path, path);
        ReadItemString(path, QStringLiteral("Name"), record->Name);
        ++fromFile;
        return true;
    }
    bool TakeCachedItem(int position) override { return TakeCachedRecord<Record>(position); }
    const std::byte* GetItemRecord(int item) const override
    {
        return reinterpret_cast<const std::byte*>(ItemAs<Record>(item));
    }
    bool OnLoaded() override
    {
        ++onLoadedCalls;
        return true;
    }

    // Own operations that record their calls, for the subset-first rule.
    bool SortItemList(IItemList*, int column) override { return Own(QStringLiteral("Sort %1").arg(column)); }
    bool ShowRowSummary(IStatusText*, IItemList*, int row) override { return Own(QStringLiteral("Summary %1").arg(row)); }
    bool EditItemFile(IItemList*, int row) override { return Own(QStringLiteral("Edit %1").arg(row)); }
    bool HasRecordLinks(IItemList*, int row) override { return Own(QStringLiteral("Links %1").arg(row)); }
    bool PopupRecordMenu(IItemList*, int row) override { return Own(QStringLiteral("Menu %1").arg(row)); }
    bool OpenRecordLink(IItemList*, int row, int id) override { return Own(QStringLiteral("Open %1 %2").arg(row).arg(id)); }
    bool LocateItem(int item, int radius, bool online) override
    {
        return Own(QStringLiteral("LocateItem %1 %2 %3").arg(item).arg(radius).arg(online));
    }
    bool OpenWalkGps(IItemList*, int row) override { return Own(QStringLiteral("Walk %1").arg(row)); }
    bool ExportWaypoints(IItemList*) override { return Own(QStringLiteral("Export")); }
    bool SyncWaypoints(IItemList*) override { return Own(QStringLiteral("Sync")); }
    bool WriteHtmlTable(IItemList*, const QString& title, const QString& suffix, int number,
                        const QString& templateKey, bool flag) override
    {
        return Own(QStringLiteral("Html %1 %2 %3 %4 %5").arg(title, suffix).arg(number).arg(templateKey).arg(flag));
    }

    void SetRelatedKey(const QString& related) { relatedKey = related; }

    bool useCache = true;
    int fromCache = 0, fromFile = 0, onLoadedCalls = 0;
    QStringList loaded;
    QStringList calls;
    QStringList* log = &calls;  // where the group's own operations are recorded
    bool ownResult = true;

private:
    bool Own(const QString& call)
    {
        log->append(QStringLiteral("group ") + call);
        return ownResult;
    }
};

// A subset that records the calls offered to it and answers a preset result.
class RecordingSubset : public CSubsetBase {
public:
    explicit RecordingSubset(QStringList* log, bool accept = false, const QString& name = QStringLiteral("測試"))
        : CSubsetBase(0, 0, name, QStringLiteral("Test")), log(log), accept(accept)
    {
    }

    bool AddToListBox(IListBox*) override { return true; }
    TreeNode InsertTreeItem(ISubsetTree*, TreeNode) override { return kNoTreeNode; }
    int FillList(IItemList*, SubsetStatistics*, const ColumnLayout*) override { return 0; }
    bool SortItemList(IItemList*, int column) override { return Offer(QStringLiteral("Sort %1").arg(column)); }
    bool ShowRowSummary(IStatusText*, IItemList*, int row) override { return Offer(QStringLiteral("Summary %1").arg(row)); }
    bool EditItemFile(IItemList*, int row) override { return Offer(QStringLiteral("Edit %1").arg(row)); }
    bool HasRecordLinks(IItemList*, int row) override { return Offer(QStringLiteral("Links %1").arg(row)); }
    bool PopupRecordMenu(IItemList*, int row) override { return Offer(QStringLiteral("Menu %1").arg(row)); }
    bool OpenRecordLink(IItemList*, int row, int id) override { return Offer(QStringLiteral("Open %1 %2").arg(row).arg(id)); }
    bool LocateRow(IItemList*, int row, int radius, bool online) override
    {
        return Offer(QStringLiteral("Locate %1 %2 %3").arg(row).arg(radius).arg(online));
    }
    bool OpenWalkGps(IItemList*, int row) override { return Offer(QStringLiteral("Walk %1").arg(row)); }
    bool ExportWaypoints(IItemList*) override { return Offer(QStringLiteral("Export")); }
    bool SyncWaypoints(IItemList*) override { return Offer(QStringLiteral("Sync")); }
    bool WriteHtmlTable(IItemList*, const QString& title, const QString& suffix, int number,
                        const QString& templateKey) override
    {
        return Offer(QStringLiteral("Html %1 %2 %3 %4").arg(title, suffix).arg(number).arg(templateKey));
    }

private:
    bool Offer(const QString& call)
    {
        log->append(QStringLiteral("subset ") + call);
        return accept;
    }
    QStringList* log;
    bool accept;
};

// A subset that lists preset item values under preset columns, writes preset statistics, and
// nests its tree node the way title subsets do: a heading becomes its group's remembered title
// node, a member goes under that node when there is one.
class ListingSubset : public CSubsetBase {
public:
    enum class Nesting { None, Heading, Member };
    struct Column {
        QString title;
        int width = 0;
    };

    ListingSubset(CGroupBase* group, const QString& name, int typeCode = 0, int folderCode = 0,
                  const QString& word = QString())
        : CSubsetBase(typeCode, folderCode, name, group->Key()), group(group), word(word)
    {
    }

    int FillList(IItemList* list, SubsetStatistics* statistics, const ColumnLayout* layout) override
    {
        ++fillCalls;
        seenLayout = layout ? *layout : ColumnLayout{};
        seenStatistics = statistics ? *statistics : SubsetStatistics{};
        if (!list)
            return 0;
        for (int c = 0; c < columns.size(); ++c)
            list->InsertColumn(c, columns[c].title, columns[c].width);
        for (int r = 0; r < rows.size(); ++r)
            list->InsertRow(r, QString::number(rows[r]), rows[r]);
        if (statistics && visited >= 0) {
            statistics->visited = visited;
            for (int j = 0; j < companions.size(); ++j)
                statistics->companions[j] = companions[j];
        }
        return int(rows.size());
    }
    TreeNode InsertTreeItem(ISubsetTree* tree, TreeNode parent) override
    {
        if (hidden)
            return kNoTreeNode;
        SubsetTreeContext& context = group->TreeContext();
        if (nesting == Nesting::Member && context.lastTitleNode != kNoTreeNode)
            parent = context.lastTitleNode;
        const TreeNode node = CSubsetBase::InsertTreeItem(tree, parent);
        if (nesting == Nesting::Heading)
            context.lastTitleNode = node;
        return node;
    }
    bool AddToListBox(IListBox* list) override { return !hidden && CSubsetBase::AddToListBox(list); }
    bool MatchesKey(const QString& key) const override { return word.isEmpty() || key == word; }
    QString TreeName() const override { return treeName.isEmpty() ? displayName : treeName; }

    QList<Column> columns;
    QList<quint32> rows;
    int visited = -1;          // written to the statistics when 0 or more
    QList<int> companions;
    Nesting nesting = Nesting::None;
    bool hidden = false;       // adds no node and no list entry
    QString treeName;          // shown instead of the display name when set

    int fillCalls = 0;
    ColumnLayout seenLayout;
    SubsetStatistics seenStatistics;

private:
    CGroupBase* group;
    QString word;
};
