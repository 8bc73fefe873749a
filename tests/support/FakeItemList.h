#pragma once
// A recording item list: columns and rows held in memory, every call logged.
#include "catalog/window/IItemList.h"

#include <QList>
#include <QString>
#include <QStringList>

class FakeItemList : public IItemList {
public:
    struct Column {
        QString title;
        int width = 0;
        ColumnAlign align = ColumnAlign::Left;
    };
    struct Row {
        QStringList cells;
        quint32 data = 0;
        bool selected = false;
    };

    int ColumnCount() const override { return int(columns.size()); }
    int InsertColumn(int column, const QString& title, int width, ColumnAlign align) override;
    bool DeleteColumn(int column) override;
    bool GetColumn(int column, QString* title, int* width) const override;

    int RowCount() const override { return int(rows.size()); }
    int InsertRow(int row, const QString& text, quint32 data) override;
    bool SetCellText(int row, int column, const QString& text) override;
    QString CellText(int row, int column) const override;
    quint32 RowData(int row) const override;
    bool DeleteRow(int row) override;
    void DeleteAllRows() override;
    void SortRows(const RowComparator& compare) override;

    int SelectedCount() const override;
    int NextSelectedRow(int after) const override;
    void SelectRow(int row, bool selected) override;
    void EnsureVisible(int row) override;

    // Test helpers: the column titles, and the values of the rows in order.
    QStringList ColumnTitles() const;
    QList<quint32> RowValues() const;

    QList<Column> columns;
    QList<Row> rows;
    QStringList calls;  // one entry per mutating call, e.g. "InsertRow 0 玉山 5"
    int visibleRow = -1;

private:
    bool HasRow(int row) const { return row >= 0 && row < rows.size(); }
};
