#pragma once
// A group class and subsets for tests of the main dialog. The group lists its items by name
// with their newest walk, shows a summary line for a row, marks items on a view and answers the
// features it is given; its subsets list a fixed choice of its items and, where they keep
// statistics, count the visited ones.
#include "TestGroups.h"
#include "catalog/GroupTable.h"
#include "catalog/records/RecordText.h"
#include "catalog/window/IItemList.h"
#include "catalog/window/IPointView.h"
#include "catalog/window/IStatusText.h"

#include <QList>
#include <QSet>

#include <memory>

struct TestSubsetDef {
    int typeCode = 0;
    int folderCode = 0;
    QString name;
    QList<int> items;         // item indices, in list order
    bool statistics = false;  // counts the visited items
};

class DialogTestGroup : public TestGroup<TalvaneItemRecord> {
public:
    static constexpr int kNameWidth = 120;
    static constexpr int kVisitWidth = 60;

    DialogTestGroup(const QString& key, const QString& display, QSet<int> features,
                    QList<TestSubsetDef> defs)
        : TestGroup(key, display), features(std::move(features)), defs(std::move(defs))
    {
        useCache = false;
    }

    bool Init(const QString& settings, CGroupTable* owner, const QString& itemFolder) override;
    bool LoadItemFile(const QString& path, const platform::FileTime& writeTime) override
    {
        if (!TestGroup::LoadItemFile(path, writeTime))
            return false;
        ReadVisits(path, ItemAs<TalvaneItemRecord>(ItemCount() - 1)->Visits);
        return true;
    }
    int FillItemList(IItemList* list, int) override { return FillAllItems(list); }
    void SetupItemColumns(IItemList* list, const ColumnLayout*) override
    {
        list->InsertColumn(0, QStringLiteral("名稱"), kNameWidth);
        list->InsertColumn(1, QStringLiteral("造訪"), kVisitWidth, ColumnAlign::Right);
    }
    bool InsertItemRow(IItemList* list, int row, int item) override
    {
        const int at = list->InsertRow(row, Name(item), quint32(item));
        if (at < 0)
            return false;
        if (Visited(item))
            list->SetCellText(at, 1, QString::number(NewestWalk(item)));
        return true;
    }
    bool ShowRowSummary(IStatusText* window, IItemList* list, int row) override
    {
        window->SetText(QStringLiteral("摘要:") + Name(int(list->RowData(row))));
        return true;
    }
    bool HasRecordLinks(IItemList* list, int row) override { return Visited(int(list->RowData(row))); }
    bool HasFeature(int feature) override { return features.contains(feature); }
    bool ShowItemOnMap(IPointView* view, int item) override
    {
        return view->AddItem(121.0 + item / 10.0, 23.0 + item / 10.0, quint32(item), Name(item),
                             Name(item), Visited(item) ? 1 : 0, 0);
    }

    const TalvaneItemRecord* Record(int item) const { return ItemAs<TalvaneItemRecord>(item); }
    QString Name(int item) const { return Record(item) ? FieldText(Record(item)->Name) : QString(); }
    int NewestWalk(int item) const { return Record(item) ? Record(item)->Visits[0] : 0; }
    bool Visited(int item) const { return NewestWalk(item) != 0; }

    QSet<int> features;
    QList<TestSubsetDef> defs;
};

// Stands for its own name only, as the region and survey-stone subsets do.
class DialogTestSubset : public ListingSubset {
public:
    DialogTestSubset(DialogTestGroup* group, const TestSubsetDef& def)
        : ListingSubset(group, def.name, def.typeCode, def.folderCode, def.name), group(group), def(def)
    {
    }

    int FillList(IItemList* list, SubsetStatistics* statistics, const ColumnLayout* columns) override
    {
        group->SetupItemColumns(list, columns);
        int rows = 0, visited = 0;
        for (int item : def.items) {
            if (item < group->ItemCount() && group->InsertItemRow(list, rows, item))
                ++rows;
            visited += group->Visited(item) ? 1 : 0;
        }
        if (def.statistics && statistics)
            statistics->visited = visited;
        return rows;
    }
    int MarkOnMap(IPointView* view) override
    {
        int marked = 0;
        for (int item : def.items)
            marked += item < group->ItemCount() && group->ShowItemOnMap(view, item) ? 1 : 0;
        return marked;
    }

private:
    DialogTestGroup* group;
    TestSubsetDef def;
};

inline bool DialogTestGroup::Init(const QString& settings, CGroupTable* owner,
                                  const QString& itemFolder)
{
    CGroupBase::Init(settings, owner, itemFolder);
    for (const TestSubsetDef& def : defs)
        AddSubset(new DialogTestSubset(this, def));
    return true;
}

// A factory entry for the group table that builds a test group of the given make-up.
inline GroupClassEntry DialogTestClass(const QString& key, const QString& display,
                                       QSet<int> features, QList<TestSubsetDef> defs,
                                       int fallbackPosition = -1)
{
    return GroupClassEntry{[=] {
                               return std::make_unique<DialogTestGroup>(key, display, features, defs);
                           },
                           fallbackPosition};
}
