#pragma once
// Group and subset classes for tests of the group base and the group table: a group of any
// record type that reads a record's path and Name, a peak-like group that reads every field
// through the base's readers, and a subset that records the calls offered to it.
#include "catalog/GroupBase.h"
#include "catalog/subsets/SubsetBase.h"
#include "catalog/records/TalvaneItemRecord.h"

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
