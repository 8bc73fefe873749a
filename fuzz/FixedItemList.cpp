#include "FixedItemList.h"

namespace fuzz {

namespace {

constexpr int kColumnWidth = 80;

} // namespace

FixedItemList::FixedItemList(QStringList columnTitles, QList<Row> listRows)
    : titles(std::move(columnTitles)), rows(std::move(listRows))
{
}

bool FixedItemList::GetColumn(int column, QString* title, int* width) const
{
    if (column < 0 || column >= titles.size())
        return false;
    *title = titles[column];
    *width = kColumnWidth;
    return true;
}

QString FixedItemList::CellText(int row, int column) const
{
    if (!HasRow(row) || column < 0 || column >= rows[row].cells.size())
        return QString();
    return rows[row].cells[column];
}

quint32 FixedItemList::RowData(int row) const
{
    return HasRow(row) ? rows[row].value : 0;
}

} // namespace fuzz
