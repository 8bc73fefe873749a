#pragma once
// 地區統計: for the peak group, one row per area of the area tree (the whole island, the
// townships as a whole, the area sets, the counties and their townships) with its peaks, how
// many were climbed and in what share, and how many each hiking companion visited.
#include "catalog/subsets/regions/RegionTally.h"
#include "ui/adapters/QtItemList.h"
#include "ui/framework/TemplateDialog.h"

class CGroupBase;

class CDlgRegionStatic : public CTemplateDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 139;
    static constexpr int kList = 1002;
    // Column widths in pixels: the five area columns, then one per companion.
    static constexpr int kAreaColumnWidth = 60;
    static constexpr int kCompanionColumnWidth = 80;
    static constexpr int kAreaColumns = 5;

    // group: the peak group, not owned.
    explicit CDlgRegionStatic(CGroupBase* group, QWidget* parent = nullptr);

    // The columns, the area tree with its totals, and the rows.
    void OnInitDialog();
    // OnInitDialog, then the dialog runs modally.
    int DoModal();

    QtItemList& List() { return list_; }
    const RegionTally& Tally() const { return tally_; }

private:
    void InsertColumns();
    void AddRows();
    // The node's names and, when it has items, its counts.
    void AddRow(const RegionTally::Node& node);
    // "------" in every column.
    void AddSeparatorRow();

    CGroupBase* group_;
    RegionTally tally_;
    QtItemList list_{nullptr};
};
