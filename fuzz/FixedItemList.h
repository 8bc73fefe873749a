#pragma once
// A read-only item list held in memory: the rows the list writers fill their templates from.
#include "catalog/window/IItemList.h"

#include <QList>
#include <QStringList>

namespace fuzz {

class FixedItemList : public IItemList {
public:
    struct Row {
        QStringList cells;
        quint32 value = 0;
    };

    FixedItemList(QStringList columnTitles, QList<Row> rows);

    int ColumnCount() const override { return int(titles.size()); }
    int InsertColumn(int, const QString&, int, ColumnAlign) override { return -1; }
    bool DeleteColumn(int) override { return false; }
    bool GetColumn(int column, QString* title, int* width) const override;

    int RowCount() const override { return int(rows.size()); }
    int InsertRow(int, const QString&, quint32) override { return -1; }
    bool SetCellText(int, int, const QString&) override { return false; }
    QString CellText(int row, int column) const override;
    quint32 RowData(int row) const override;
    bool DeleteRow(int) override { return false; }
    void DeleteAllRows() override {}
    void SortRows(const RowComparator&) override {}

    int SelectedCount() const override { return 0; }
    int NextSelectedRow(int) const override { return -1; }
    void SelectRow(int, bool) override {}
    void EnsureVisible(int) override {}

private:
    bool HasRow(int row) const { return row >= 0 && row < rows.size(); }

    QStringList titles;
    QList<Row> rows;
};

} // namespace fuzz
