#pragma once
// The catalog's item list over a report-style QTreeWidget (one top-level item per row). Every
// change made from here, selection included, runs with the widget's signals blocked: the dialog
// runs its row handling itself after it selects a row by program.
#include "catalog/window/IItemList.h"

#include <QList>

class QTreeWidget;
class QTreeWidgetItem;

class QtItemList : public IItemList {
public:
    explicit QtItemList(QTreeWidget* list) : list_(list) {}

    int ColumnCount() const override;
    int InsertColumn(int column, const QString& title, int width, ColumnAlign align) override;
    bool DeleteColumn(int column) override;
    bool GetColumn(int column, QString* title, int* width) const override;

    int RowCount() const override;
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

    // Makes row the current row (the keyboard caret) without changing the selection.
    void SetCurrentRow(int row);
    // The first row carrying data, -1 when none does.
    int FindRow(quint32 data) const;

private:
    QTreeWidgetItem* Row(int row) const;
    Qt::Alignment AlignmentOf(int column) const;
    // Copies a column's title, alignment, width and cells into another column.
    void MoveColumnContents(int from, int to);

    QTreeWidget* list_;
    QList<ColumnAlign> aligns_;
};
