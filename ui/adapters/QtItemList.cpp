#include "ui/adapters/QtItemList.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QTreeWidget>

#include <algorithm>
#include <vector>

namespace {

constexpr int kDataRole = Qt::UserRole;

} // namespace

QTreeWidgetItem* QtItemList::Row(int row) const
{
    if (row < 0 || row >= list_->topLevelItemCount())
        return nullptr;
    return list_->topLevelItem(row);
}

Qt::Alignment QtItemList::AlignmentOf(int column) const
{
    const ColumnAlign align = column < aligns_.size() ? aligns_[column] : ColumnAlign::Left;
    switch (align) {
    case ColumnAlign::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case ColumnAlign::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
    case ColumnAlign::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

int QtItemList::ColumnCount() const
{
    return list_->columnCount();
}

void QtItemList::MoveColumnContents(int from, int to)
{
    QTreeWidgetItem* header = list_->headerItem();
    header->setText(to, header->text(from));
    header->setTextAlignment(to, Qt::Alignment(header->textAlignment(from)));
    list_->header()->resizeSection(to, list_->header()->sectionSize(from));
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list_->topLevelItem(row);
        item->setText(to, item->text(from));
        item->setTextAlignment(to, Qt::Alignment(item->textAlignment(from)));
    }
}

int QtItemList::InsertColumn(int column, const QString& title, int width, ColumnAlign align)
{
    // The tree's model neither shifts the header nor removes columns, so the columns after the
    // new one are moved here.
    const QSignalBlocker blocker(list_);
    const int count = list_->columnCount();
    if (column < 0 || column > count)
        column = count;
    list_->setColumnCount(count + 1);
    for (int to = count; to > column; --to)
        MoveColumnContents(to - 1, to);
    while (aligns_.size() < count)
        aligns_.append(ColumnAlign::Left);
    aligns_.insert(column, align);
    QTreeWidgetItem* header = list_->headerItem();
    header->setText(column, title);
    header->setTextAlignment(column, AlignmentOf(column));
    list_->header()->resizeSection(column, std::max(width, 0));
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list_->topLevelItem(row);
        item->setText(column, QString());
        item->setTextAlignment(column, AlignmentOf(column));
    }
    return column;
}

bool QtItemList::DeleteColumn(int column)
{
    const QSignalBlocker blocker(list_);
    const int count = list_->columnCount();
    if (column < 0 || column >= count)
        return false;
    for (int to = column; to + 1 < count; ++to)
        MoveColumnContents(to + 1, to);
    list_->setColumnCount(count - 1);
    if (column < aligns_.size())
        aligns_.removeAt(column);
    return true;
}

bool QtItemList::GetColumn(int column, QString* title, int* width) const
{
    if (column < 0 || column >= list_->columnCount())
        return false;
    if (title)
        *title = list_->headerItem()->text(column);
    if (width)
        *width = list_->header()->sectionSize(column);
    return true;
}

int QtItemList::RowCount() const
{
    return list_->topLevelItemCount();
}

int QtItemList::InsertRow(int row, const QString& text, quint32 data)
{
    const QSignalBlocker blocker(list_);
    const int count = list_->topLevelItemCount();
    if (row < 0 || row > count)
        row = count;
    auto* item = new QTreeWidgetItem;
    item->setText(0, text);
    item->setData(0, kDataRole, data);
    for (int column = 0; column < list_->columnCount(); ++column)
        item->setTextAlignment(column, AlignmentOf(column));
    list_->insertTopLevelItem(row, item);
    return row;
}

bool QtItemList::SetCellText(int row, int column, const QString& text)
{
    QTreeWidgetItem* item = Row(row);
    if (!item || column < 0 || column >= list_->columnCount())
        return false;
    const QSignalBlocker blocker(list_);
    item->setText(column, text);
    item->setTextAlignment(column, AlignmentOf(column));
    return true;
}

QString QtItemList::CellText(int row, int column) const
{
    const QTreeWidgetItem* item = Row(row);
    if (!item || column < 0 || column >= list_->columnCount())
        return QString();
    return item->text(column);
}

quint32 QtItemList::RowData(int row) const
{
    const QTreeWidgetItem* item = Row(row);
    return item ? item->data(0, kDataRole).toUInt() : 0;
}

bool QtItemList::DeleteRow(int row)
{
    const QSignalBlocker blocker(list_);
    if (!Row(row))
        return false;
    delete list_->takeTopLevelItem(row);
    return true;
}

void QtItemList::DeleteAllRows()
{
    const QSignalBlocker blocker(list_);
    list_->clear();
}

void QtItemList::SortRows(const RowComparator& compare)
{
    const QSignalBlocker blocker(list_);
    std::vector<QTreeWidgetItem*> items;
    std::vector<QTreeWidgetItem*> selected;
    items.reserve(list_->topLevelItemCount());
    for (QTreeWidgetItem* item : list_->selectedItems())
        selected.push_back(item);
    while (list_->topLevelItemCount() > 0)
        items.push_back(list_->takeTopLevelItem(list_->topLevelItemCount() - 1));
    std::reverse(items.begin(), items.end());
    std::stable_sort(items.begin(), items.end(), [&](QTreeWidgetItem* a, QTreeWidgetItem* b) {
        return compare(a->data(0, kDataRole).toUInt(), b->data(0, kDataRole).toUInt()) < 0;
    });
    QList<QTreeWidgetItem*> sorted(items.begin(), items.end());
    list_->addTopLevelItems(sorted);
    for (QTreeWidgetItem* item : selected)
        item->setSelected(true);
}

int QtItemList::SelectedCount() const
{
    return static_cast<int>(list_->selectedItems().size());
}

int QtItemList::NextSelectedRow(int after) const
{
    int next = -1;
    for (QTreeWidgetItem* item : list_->selectedItems()) {
        const int row = list_->indexOfTopLevelItem(item);
        if (row > after && (next < 0 || row < next))
            next = row;
    }
    return next;
}

void QtItemList::SelectRow(int row, bool selected)
{
    const QSignalBlocker blocker(list_);
    QTreeWidgetItem* item = Row(row);
    if (!item)
        return;
    // A single-selection list keeps one selected row, whoever selects it.
    if (selected && list_->selectionMode() == QAbstractItemView::SingleSelection)
        list_->clearSelection();
    item->setSelected(selected);
}

void QtItemList::EnsureVisible(int row)
{
    if (QTreeWidgetItem* item = Row(row))
        list_->scrollToItem(item);
}

void QtItemList::SetCurrentRow(int row)
{
    const QSignalBlocker blocker(list_);
    if (QTreeWidgetItem* item = Row(row))
        list_->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
}

int QtItemList::FindRow(quint32 data) const
{
    for (int row = 0; row < list_->topLevelItemCount(); ++row)
        if (list_->topLevelItem(row)->data(0, kDataRole).toUInt() == data)
            return row;
    return -1;
}
