#pragma once
// A title subset: a named, ordered list of peaks kept in section [Title] of the main settings
// file. It lists the peaks of its entries in list order with their visit figures, warns about
// ambiguous entries and about more visited peaks than the list expects, and sets two titles side
// by side for the comparison dialog.
#include "catalog/subsets/SubsetBase.h"
#include "catalog/subsets/titles/EntryListReader.h"

#include <QList>
#include <QString>
#include <QStringList>

class CGroupTalvane;

// The five columns of the comparison lists: name, height, stones, region and the list order.
struct CompareColumns {
    static constexpr int kName = 0, kHeight = 1, kStones = 2, kRegion = 3, kOrder = 4;
    static constexpr int kNameWidth = 120;
    static constexpr int kHeightWidth = 70;
    static constexpr int kStonesWidth = 150;
    static constexpr int kRegionWidth = 80;
    static constexpr int kOrderWidth = 200;
};

// Inserts the comparison columns into an empty list.
void InsertCompareColumns(IItemList* list);

class CSubsetTitle : public CSubsetBase {
public:
    CSubsetTitle(const QString& key, CGroupTalvane* group, bool headsSet);

    // The entries of the list, read afresh from the settings file; returns their count.
    int ReadEntries(QStringList* entries) const;
    // One value per entry: 0 when no peak matched it, else the matched item's index + 1 (the
    // later of two matching peaks wins, with one message). Returns the number of entries.
    int MapEntries(QList<int>* map) const;

    TreeNode InsertTreeItem(ISubsetTree* tree, TreeNode parent) override;
    int FillList(IItemList* list, SubsetStatistics* statistics,
                 const ColumnLayout* columns) override;
    bool CheckWarning() override;
    int MarkOnMap(IPointView* view) override;

    // FillList; with orderColumn set, the comparison columns, column 4 naming each row's entry.
    int FillListEx(IItemList* list, SubsetStatistics* statistics, const ColumnLayout* columns,
                   bool orderColumn);
    // The peaks common to this title and other, then those only in this one, then those only
    // in other, each later block after a separator row. Returns the rows, separators included.
    int FillCompareList(IItemList* list, const CSubsetTitle* other);
    // Shows the message for more rows than entries, or for more visited peaks than the list's
    // [Warning] value; true when a message was due.
    bool ShowCountWarning(int entryCount, int rowCount, int visitedCount) const;

    const QString& Key() const { return key; }
    bool HeadsSet() const { return headsSet; }

private:
    // [Warning] value of the key: the most visited peaks the list expects; 0 for no limit.
    int WarningLimit() const;
    // Shows a message with the exclamation icon, when the table has a message box.
    void ShowMessage(const QString& text) const;
    // Inserts the row of an item at row through the group; column 4, when order is not empty,
    // names the row's place in the lists.
    void InsertRow(IItemList* list, int row, int item, const QString& order) const;
    // Appends a separator row and the rows of the entries of map that still hold a peak, each
    // named by its number in the block and its entry; returns the rows added.
    int AppendOnlyIn(IItemList* list, int row, const QList<int>& map) const;

    QString key;
    CGroupTalvane* group;
    bool headsSet;
};
