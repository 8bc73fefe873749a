#pragma once
// 搜尋<group>, the item search of the groups without a search of their own: items by name
// (tolerant, with the configured separators and name pairs) or by region. The rows are the
// group's to draw; in survey-stone mode the names searched are the stone numbers, and a subset
// given by the opener lists and draws its own stones. Two buttons write the opener's walk (or
// companion visit) and atlas page into the selected item.
#include "ui/dialogs/find/AssignFindDialog.h"
#include "ui/dialogs/find/FuzzySearch.h"

#include <vector>

class CSubsetBase;

class CDlgFind : public CAssignFindDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 140;

    // Control ids beside the shared ones.
    static constexpr int kNameLabel = 1066;
    static constexpr int kSearchName = 1070;
    static constexpr int kRegionEdit = 1029;
    static constexpr int kSearchRegion = 1028;
    // Row data from here on are not items (stones of the peak list, survey stones).
    static constexpr quint32 kFirstNonItemRow = 20000;

    CDlgFind(CGroupBase* group, CSubsetBase* subset, QWidget* parent = nullptr);

    // Set by the opener before the dialog opens: the names searched are stone numbers.
    bool stoneMode = false;

    void OnInitDialog() override;

    void OnSearchName();
    void OnSearchRegion();
    // The item file of the single selected row.
    void OnEditData();
    void OnListItemChanged() override;

private:
    void ConnectCommands();
    void SetCaptions();

    // The subset that lists and draws the rows: the opener's, in stone mode, when it has items.
    CSubsetBase* StoneSubset() const;
    // The names a name search looks at, by item (or by subset position).
    std::vector<fuzzy::ItemNames> SearchedNames() const;
    std::vector<fuzzy::ItemNames> SearchedRegions() const;
    // Clears the list and disables the row commands; inserts the hits, drawn by the subset that
    // found them or else by the group; shows their number.
    void ListHits(const QList<fuzzy::Hit>& hits, CSubsetBase* drawing);
    bool AddResultRow(CSubsetBase* drawing, int row, int item, bool byAlternative1, bool byAlternative2);
    // The row's mark: the item holds the opener's walk, atlas page or companion visit.
    bool IsAssigned(int item);

    CSubsetBase* subset_;
    bool lastSearchByRegion_ = false;
};
