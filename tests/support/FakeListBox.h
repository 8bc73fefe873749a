#pragma once
// A recording list box.
#include "catalog/window/IListBox.h"

#include <QList>
#include <QStringList>

class FakeListBox : public IListBox {
public:
    int Count() const override { return int(texts.size()); }
    void DeleteAll() override;
    int AddString(const QString& text) override;
    int InsertString(int position, const QString& text) override;
    bool DeleteString(int position) override;
    QString Text(int position) const override;
    quint32 ItemData(int position) const override;
    bool SetItemData(int position, quint32 data) override;
    int CurrentSelection() const override { return selection; }
    bool SetCurrentSelection(int position) override;

    QStringList texts;
    QList<quint32> data;
    int selection = -1;
    QStringList calls;  // mutating calls, e.g. "InsertString 0 山 (15)"

private:
    bool Has(int position) const { return position >= 0 && position < texts.size(); }
};
