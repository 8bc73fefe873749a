#pragma once
// The item list as the catalog sees it: a report-style list with titled columns and rows.
// Every row carries a 32-bit value (the item index, or one of the stone-row values described
// where rows are built); no row ever carries an address.
#include <QString>
#include <QtGlobal>

#include <functional>

enum class ColumnAlign { Left, Right, Center };

class IItemList {
public:
    // The value of a row that names no item (a separator between the blocks of a comparison
    // list): outside every item and stone-row range, and never 0, which is item 0.
    static constexpr quint32 kNoItemRow = 0xFFFFFFFFu;

    virtual ~IItemList() = default;

    // Columns. Widths are in pixels and are the program's; the header does not stretch them.
    virtual int ColumnCount() const = 0;
    // Inserts a column before column (at the end when column >= ColumnCount()); returns
    // its position, -1 on failure.
    virtual int InsertColumn(int column, const QString& title, int width,
                             ColumnAlign align = ColumnAlign::Left) = 0;
    virtual bool DeleteColumn(int column) = 0;
    // Title and width of a column; false when there is no such column.
    virtual bool GetColumn(int column, QString* title, int* width) const = 0;

    // Rows.
    virtual int RowCount() const = 0;
    // Inserts a row before row (at the end when row >= RowCount()) with its column-0 text and
    // value; returns the row's position, -1 on failure.
    virtual int InsertRow(int row, const QString& text, quint32 data) = 0;
    virtual bool SetCellText(int row, int column, const QString& text) = 0;
    // Empty for a missing row or column.
    virtual QString CellText(int row, int column) const = 0;
    // 0 for a missing row.
    virtual quint32 RowData(int row) const = 0;
    virtual bool DeleteRow(int row) = 0;
    virtual void DeleteAllRows() = 0;

    // Sorts the rows by their values: compare(a, b) < 0 puts the row of a first. Rows that
    // compare equal keep their order.
    using RowComparator = std::function<int(quint32 a, quint32 b)>;
    virtual void SortRows(const RowComparator& compare) = 0;

    // Selection. Changing it from here raises no selection handler.
    virtual int SelectedCount() const = 0;
    // The first selected row after row (-1: from the start); -1 when none.
    virtual int NextSelectedRow(int after = -1) const = 0;
    virtual void SelectRow(int row, bool selected) = 0;
    // Scrolls the list so that row is visible.
    virtual void EnsureVisible(int row) = 0;
};
