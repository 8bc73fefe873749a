#pragma once
// The catalog's list box over a QListWidget. The native list box sent no selection notification
// for changes made by the program, so every change made from here runs with the widget's signals
// blocked: only the user's own selections reach the dialog's handler.
#include "catalog/window/IListBox.h"

class QListWidget;

class QtListBox : public IListBox {
public:
    explicit QtListBox(QListWidget* list) : list_(list) {}

    int Count() const override;
    void DeleteAll() override;
    int AddString(const QString& text) override;
    int InsertString(int position, const QString& text) override;
    bool DeleteString(int position) override;
    QString Text(int position) const override;
    quint32 ItemData(int position) const override;
    bool SetItemData(int position, quint32 data) override;
    int CurrentSelection() const override;
    bool SetCurrentSelection(int position) override;

private:
    QListWidget* list_;
};
