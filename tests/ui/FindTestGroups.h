#pragma once
// Groups and a subset for tests of the item and plant search dialogs. The item group reads
// names, region, stones, visits and atlas references of its item files, draws a row as its name
// with a mark for an assigned item, and records the row operations; the stone subset lists
// fixed survey stones and records how it draws them; the plant group reads Name, Name2 and
// Class of plant files.
#include "TestGroups.h"
#include "catalog/records/PlantItemRecord.h"
#include "catalog/records/RecordText.h"
#include "catalog/window/IStatusText.h"

#include <QDir>

// The item files of a folder, loaded in name order.
template <class Group>
bool LoadFolder(Group* group, const QString& folder)
{
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        if (!group->LoadItemFile(QDir(folder).filePath(file), platform::FileTime{}))
            return false;
    return !files.isEmpty();
}

class FindTestGroup : public TestGroup<TalvaneItemRecord> {
public:
    static constexpr char kAssignedMark[] = "✓";

    FindTestGroup() : TestGroup(QStringLiteral("Waterfall"), QStringLiteral("瀑布")) { useCache = false; }

    bool LoadItemFile(const QString& path, const platform::FileTime& writeTime) override
    {
        if (!TestGroup::LoadItemFile(path, writeTime))
            return false;
        TalvaneItemRecord* r = ItemAs<TalvaneItemRecord>(ItemCount() - 1);
        ReadItemString(path, QStringLiteral("Name2"), r->Name2);
        ReadItemString(path, QStringLiteral("Region"), r->Region);
        ReadItemString(path, QStringLiteral("Stone"), r->Stone);
        ReadItemString(path, QStringLiteral("Stone2"), r->Stone2);
        ReadItemString(path, QStringLiteral("Stone3"), r->Stone3);
        ReadVisits(path, r->Visits);
        ReadAtlasRefs(path, r->AtlasRefs);
        return true;
    }

    void SetupAssignColumns(IItemList* list) override
    {
        calls << QStringLiteral("group Columns");
        list->InsertColumn(0, QStringLiteral("名稱"), 160);
        list->InsertColumn(1, QStringLiteral("地區"), 100);
        list->InsertColumn(2, QStringLiteral("指定"), 40);
    }
    bool InsertItemRowEx(IItemList* list, int row, int item, bool assignMode, bool assigned) override
    {
        calls << QStringLiteral("group Row %1 %2 %3").arg(item).arg(assignMode).arg(assigned);
        const int at = list->InsertRow(row, Text(item, &TalvaneItemRecord::Name), quint32(item));
        list->SetCellText(at, 1, Text(item, &TalvaneItemRecord::Region));
        list->SetCellText(at, 2, assigned ? QString::fromUtf8(kAssignedMark) : QString());
        return at >= 0;
    }
    bool ShowRowSummary(IStatusText* window, IItemList* list, int row) override
    {
        calls << QStringLiteral("group Summary %1").arg(row);
        window->SetText(QStringLiteral("摘要:") + Text(int(list->RowData(row)), &TalvaneItemRecord::Name));
        return true;
    }
    bool GetItemNames(int item, QString* name, QString* name2) override
    {
        *name = Text(item, &TalvaneItemRecord::Name);
        *name2 = Text(item, &TalvaneItemRecord::Name2);
        return Record(item);
    }
    bool GetItemRegion(int item, QString* text) override
    {
        *text = Text(item, &TalvaneItemRecord::Region);
        return Record(item);
    }
    bool GetItemStones(int item, QString* stone, QString* stone2, QString* stone3) override
    {
        *stone = Text(item, &TalvaneItemRecord::Stone);
        *stone2 = Text(item, &TalvaneItemRecord::Stone2);
        *stone3 = Text(item, &TalvaneItemRecord::Stone3);
        return Record(item);
    }
    bool WasVisitedOn(int item, int walk) override { return Record(item) && CodeListContains(Record(item)->Visits, walk); }
    bool HasAtlasRef(int item, int code) override { return Record(item) && CodeListContains(Record(item)->AtlasRefs, code); }
    bool HasMateVisit(int item, int code) override { return Record(item) && CodeListContains(Record(item)->MateVisits, code); }
    bool AddVisit(IItemList* list, int row, int walk) override { return Add("AddVisit", list, row, walk); }
    bool AddMateVisit(IItemList* list, int row, int code) override { return Add("AddMateVisit", list, row, code); }
    bool AddAtlasRef(IItemList* list, int row, int code) override { return Add("AddAtlasRef", list, row, code); }

    const TalvaneItemRecord* Record(int item) const { return ItemAs<TalvaneItemRecord>(item); }

private:
    template <std::size_t N>
    QString Text(int item, char16_t (TalvaneItemRecord::*field)[N]) const
    {
        return Record(item) ? FieldText(Record(item)->*field) : QString();
    }
    bool Add(const char* what, IItemList* list, int row, int code)
    {
        calls << QStringLiteral("group %1 item %2 code %3").arg(QLatin1String(what)).arg(list->RowData(row)).arg(code);
        return true;
    }
};

// Survey stones of the stone group as a subset lists them: a number and two aliases each; rows
// carry 60000 + position and show which name was hit.
class FindStoneSubset : public CSubsetBase {
public:
    static constexpr quint32 kStoneRowBase = 60000;
    struct Stone {
        QString number, alias1, alias2;
    };

    FindStoneSubset(QStringList* log, QList<Stone> stones)
        : CSubsetBase(kTypeStone, 0, QStringLiteral("二等"), QStringLiteral("Stone")), log(log),
          stones(std::move(stones))
    {
    }

    int FillList(IItemList*, SubsetStatistics*, const ColumnLayout*) override { return 0; }
    void SetupAssignColumns(IItemList* list) override
    {
        log->append(QStringLiteral("subset Columns"));
        list->InsertColumn(0, QStringLiteral("基石號"), 120);
        list->InsertColumn(1, QStringLiteral("由"), 60);
    }
    int GetItemCount() const override { return int(stones.size()); }
    bool GetItemStones(int index, QString* a, QString* b, QString* c) const override
    {
        const Stone& s = stones.at(index);
        *a = s.number;
        *b = s.alias1;
        *c = s.alias2;
        return true;
    }
    bool InsertItemRow(IItemList* list, int row, int index, bool byAlias1, bool byAlias2) override
    {
        log->append(QStringLiteral("subset Row %1 %2 %3").arg(index).arg(byAlias1).arg(byAlias2));
        const int at = list->InsertRow(row, stones.at(index).number, kStoneRowBase + quint32(index));
        list->SetCellText(at, 1, byAlias1 ? stones.at(index).alias1 : byAlias2 ? stones.at(index).alias2 : QString());
        return at >= 0;
    }
    bool ShowRowSummary(IStatusText* window, IItemList* list, int row) override
    {
        log->append(QStringLiteral("subset Summary %1").arg(row));
        window->SetText(QStringLiteral("基石:") + list->CellText(row, 0));
        return true;
    }
    bool EditItemFile(IItemList*, int row) override
    {
        log->append(QStringLiteral("subset Edit %1").arg(row));
        return true;
    }

private:
    QStringList* log;
    QList<Stone> stones;
};

class FindPlantGroup : public TestGroup<PlantItemRecord> {
public:
    FindPlantGroup() : TestGroup(QStringLiteral("Plant"), QStringLiteral("植物")) { useCache = false; }

    bool LoadItemFile(const QString& path, const platform::FileTime& writeTime) override
    {
        if (!TestGroup::LoadItemFile(path, writeTime))
            return false;
        PlantItemRecord* r = ItemAs<PlantItemRecord>(ItemCount() - 1);
        ReadItemString(path, QStringLiteral("Name2"), r->Name2);
        ReadItemString(path, QStringLiteral("Class"), r->Class);
        return true;
    }
    void SetupItemColumns(IItemList* list, const ColumnLayout*) override
    {
        calls << QStringLiteral("group Columns");
        list->InsertColumn(0, QStringLiteral("名稱"), 100);
        list->InsertColumn(1, QStringLiteral("別名"), 100);
        list->InsertColumn(2, QStringLiteral("科別"), 80);
    }
    bool InsertItemRow(IItemList* list, int row, int item) override
    {
        const PlantItemRecord* r = ItemAs<PlantItemRecord>(item);
        if (!r)
            return false;
        const int at = list->InsertRow(row, FieldText(r->Name), quint32(item));
        list->SetCellText(at, 1, FieldText(r->Name2));
        list->SetCellText(at, 2, FieldText(r->Class));
        return at >= 0;
    }
    bool ShowRowSummary(IStatusText* window, IItemList* list, int row) override
    {
        calls << QStringLiteral("group Summary %1").arg(row);
        const PlantItemRecord* r = ItemAs<PlantItemRecord>(int(list->RowData(row)));
        window->SetText(r ? FieldText(r->Name) + QStringLiteral("（") + FieldText(r->Class) + QStringLiteral("）") : QString());
        return true;
    }
};
