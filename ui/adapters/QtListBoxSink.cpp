#include "ui/adapters/QtListBoxSink.h"

#include <QListWidget>
#include <QSignalBlocker>

void QtListBoxSink::Clear()
{
    const QSignalBlocker blocker(list_);
    list_->clear();
}

void QtListBoxSink::AddString(const QString& text)
{
    const QSignalBlocker blocker(list_);
    list_->addItem(text);
}
