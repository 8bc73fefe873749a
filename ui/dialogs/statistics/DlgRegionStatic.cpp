#include "ui/dialogs/statistics/DlgRegionStatic.h"

#include "catalog/GroupBase.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "catalog/talvane/GroupTalvane.h"

#include <QTreeWidget>

namespace {

const QString kSeparator = QStringLiteral("------");
const char* const kAreaTitles[] = {"縣市", "地區", "山岳", "已爬", "已爬%"};

// Column of each count of a node's row.
constexpr int kDisplayNameColumn = 1;
constexpr int kItemCountColumn = 2;
constexpr int kClimbedColumn = 3;
constexpr int kPercentColumn = 4;

} // namespace

CDlgRegionStatic::CDlgRegionStatic(CGroupBase* group, QWidget* parent)
    : CTemplateDialog(kTemplateId, parent), group_(group)
{
    DialogBuilder builder;
    CreateFromTemplate(builder);
    list_ = QtItemList(DlgItem<QTreeWidget>(kList));
}

int CDlgRegionStatic::DoModal()
{
    OnInitDialog();
    return exec();
}

void CDlgRegionStatic::OnInitDialog()
{
    if (!DlgItem<QTreeWidget>(kList))
        return;
    InsertColumns();
    tally_.LoadRegions(group_);
    AddRows();
}

void CDlgRegionStatic::InsertColumns()
{
    ClearListCtrl(&list_);
    for (const char* title : kAreaTitles)
        list_.InsertColumn(list_.ColumnCount(), QString::fromUtf8(title), kAreaColumnWidth,
                           ColumnAlign::Left);
    const auto* peaks = dynamic_cast<const CGroupTalvane*>(group_);
    const int companions = RegionTally::CompanionCount(group_);
    for (int j = 0; j < companions; ++j) {
        const HikingMate* mate = peaks ? peaks->Mate(j) : nullptr;
        list_.InsertColumn(list_.ColumnCount(), mate ? mate->shortTitle : QString(),
                           kCompanionColumnWidth, ColumnAlign::Left);
    }
}

// The island, the townships as a whole, a separator, the area sets; then each county after a
// separator, and its townships after it.
void CDlgRegionStatic::AddRows()
{
    const std::vector<RegionTally::Node>& nodes = tally_.Nodes();
    AddRow(nodes[RegionTally::kIsland]);
    AddRow(nodes[RegionTally::kTownshipTotal]);
    AddSeparatorRow();
    for (const RegionTally::Node& node : nodes)
        if (node.kind == RegionTally::kAreaSet)
            AddRow(node);
    for (const RegionTally::Node& node : nodes) {
        if (node.kind == RegionTally::kCounty)
            AddSeparatorRow();
        if (node.kind == RegionTally::kCounty || node.kind == RegionTally::kTownship)
            AddRow(node);
    }
}

void CDlgRegionStatic::AddRow(const RegionTally::Node& node)
{
    const bool township = node.kind == RegionTally::kTownship;
    const QString name = township ? tally_.Nodes()[node.parent].name : node.name;
    const int row = list_.InsertRow(list_.RowCount(), name, 0);
    if (township)
        list_.SetCellText(row, kDisplayNameColumn, ConvertDisplayName(node.name));
    if (node.itemCount <= 0)
        return;
    list_.SetCellText(row, kItemCountColumn, QString::number(node.itemCount));
    list_.SetCellText(row, kClimbedColumn, QString::number(node.counts[0]));
    list_.SetCellText(row, kPercentColumn, QString::number(RegionTally::ClimbedPercent(node)) + u'%');
    for (int column = kAreaColumns; column < list_.ColumnCount(); ++column)
        list_.SetCellText(row, column, QString::number(node.counts[column - kAreaColumns + 1]));
}

void CDlgRegionStatic::AddSeparatorRow()
{
    const int row = list_.InsertRow(list_.RowCount(), kSeparator, 0);
    for (int column = 1; column < list_.ColumnCount(); ++column)
        list_.SetCellText(row, column, kSeparator);
}
