#include "ui/adapters/QtListBox.h"

#include <QListWidget>
#include <QSignalBlocker>

namespace {

constexpr int kDataRole = Qt::UserRole;

} // namespace

int QtListBox::Count() const
{
    return list_->count();
}

void QtListBox::DeleteAll()
{
    const QSignalBlocker blocker(list_);
    list_->clear();
}

int QtListBox::AddString(const QString& text)
{
    return InsertString(list_->count(), text);
}

int QtListBox::InsertString(int position, const QString& text)
{
    const QSignalBlocker blocker(list_);
    if (position < 0 || position > list_->count())
        position = list_->count();
    list_->insertItem(position, text);
    return position;
}

bool QtListBox::DeleteString(int position)
{
    const QSignalBlocker blocker(list_);
    QListWidgetItem* item = list_->item(position);
    if (!item)
        return false;
    // The list box leaves nothing selected when the selected entry goes; Qt would select the next.
    const bool wasSelected = item->isSelected();
    delete item;
    if (wasSelected)
        list_->clearSelection();
    return true;
}

QString QtListBox::Text(int position) const
{
    const QListWidgetItem* item = list_->item(position);
    return item ? item->text() : QString();
}

quint32 QtListBox::ItemData(int position) const
{
    const QListWidgetItem* item = list_->item(position);
    return item ? item->data(kDataRole).toUInt() : 0;
}

bool QtListBox::SetItemData(int position, quint32 data)
{
    QListWidgetItem* item = list_->item(position);
    if (!item)
        return false;
    item->setData(kDataRole, data);
    return true;
}

int QtListBox::CurrentSelection() const
{
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.first());
}

bool QtListBox::SetCurrentSelection(int position)
{
    const QSignalBlocker blocker(list_);
    if (position == -1) {
        list_->clearSelection();
        return true;
    }
    if (!list_->item(position))
        return false;
    list_->setCurrentRow(position, QItemSelectionModel::ClearAndSelect);
    return true;
}
