#include "FakeItemList.h"

#include <algorithm>

int FakeItemList::InsertColumn(int column, const QString& title, int width, ColumnAlign align)
{
    if (column < 0)
        return -1;
    column = std::min(column, int(columns.size()));
    columns.insert(column, Column{title, width, align});
    for (Row& r : rows)
        if (column < r.cells.size())
            r.cells.insert(column, QString());
    calls << QStringLiteral("InsertColumn %1 %2 %3").arg(column).arg(title).arg(width);
    return column;
}

bool FakeItemList::DeleteColumn(int column)
{
    if (column < 0 || column >= columns.size())
        return false;
    columns.removeAt(column);
    for (Row& r : rows)
        if (column < r.cells.size())
            r.cells.removeAt(column);
    calls << QStringLiteral("DeleteColumn %1").arg(column);
    return true;
}

bool FakeItemList::GetColumn(int column, QString* title, int* width) const
{
    if (column < 0 || column >= columns.size())
        return false;
    if (title)
        *title = columns[column].title;
    if (width)
        *width = columns[column].width;
    return true;
}

int FakeItemList::InsertRow(int row, const QString& text, quint32 data)
{
    if (row < 0)
        return -1;
    row = std::min(row, int(rows.size()));
    rows.insert(row, Row{QStringList{text}, data, false});
    calls << QStringLiteral("InsertRow %1 %2 %3").arg(row).arg(text).arg(data);
    return row;
}

bool FakeItemList::SetCellText(int row, int column, const QString& text)
{
    if (!HasRow(row) || column < 0 || (column >= columns.size() && column > 0))
        return false;
    QStringList& cells = rows[row].cells;
    while (cells.size() <= column)
        cells << QString();
    cells[column] = text;
    return true;
}

QString FakeItemList::CellText(int row, int column) const
{
    if (!HasRow(row) || column < 0 || column >= rows[row].cells.size())
        return QString();
    return rows[row].cells[column];
}

quint32 FakeItemList::RowData(int row) const
{
    return HasRow(row) ? rows[row].data : 0;
}

bool FakeItemList::DeleteRow(int row)
{
    if (!HasRow(row))
        return false;
    rows.removeAt(row);
    calls << QStringLiteral("DeleteRow %1").arg(row);
    return true;
}

void FakeItemList::DeleteAllRows()
{
    rows.clear();
    calls << QStringLiteral("DeleteAllRows");
}

void FakeItemList::SortRows(const RowComparator& compare)
{
    std::stable_sort(rows.begin(), rows.end(),
                     [&](const Row& a, const Row& b) { return compare(a.data, b.data) < 0; });
    calls << QStringLiteral("SortRows");
}

int FakeItemList::SelectedCount() const
{
    return int(std::count_if(rows.begin(), rows.end(), [](const Row& r) { return r.selected; }));
}

int FakeItemList::NextSelectedRow(int after) const
{
    for (int i = std::max(after + 1, 0); i < rows.size(); ++i)
        if (rows[i].selected)
            return i;
    return -1;
}

void FakeItemList::SelectRow(int row, bool selected)
{
    if (HasRow(row))
        rows[row].selected = selected;
}

void FakeItemList::EnsureVisible(int row)
{
    visibleRow = row;
}

QStringList FakeItemList::ColumnTitles() const
{
    QStringList titles;
    for (const Column& c : columns)
        titles << c.title;
    return titles;
}

QList<quint32> FakeItemList::RowValues() const
{
    QList<quint32> values;
    for (const Row& r : rows)
        values << r.data;
    return values;
}
