#pragma once
// What the search dialogs share: a template dialog over one group, whose report list shows the
// hits (the group draws the rows), a row summary, edits read and written by id, and the column
// click that lets the group sort the list.
#include "ui/adapters/QtItemList.h"
#include "ui/adapters/QtStatusText.h"
#include "ui/framework/TemplateDialog.h"

class CGroupBase;
class QTreeWidget;

class CFindDialogBase : public CTemplateDialog {
    Q_OBJECT
public:
    // Control ids every search dialog has.
    static constexpr int kNameEdit = 1009;
    static constexpr int kList = 1002;
    static constexpr int kSummary = 1006;
    static constexpr int kEditData = 1007;

    // Set by the opener before the dialog opens: searched at once when not empty.
    QString initialText;

    // Columns, button states and captions; searches initialText when it is not empty.
    virtual void OnInitDialog() = 0;
    // OnInitDialog, then the dialog runs modally.
    int DoModal();

    // A change of the list's selection, handled only when exactly one row is selected.
    virtual void OnListItemChanged() = 0;
    // The group sorts the list by the column (also where a subset drew the rows).
    void OnColumnClick(int column);

    QtItemList& List() { return list_; }

protected:
    // group: the group searched (not owned); the dialogs do nothing without one.
    CFindDialogBase(int templateId, CGroupBase* group, QWidget* parent);

    void EnableItem(int id, bool enabled);
    QString ItemText(int id) const;
    void SetItemText(int id, const QString& text);
    // Focuses the name edit and, when initialText is not empty, puts it there.
    bool TakeInitialText();
    // The single selected row; false when not exactly one row is selected.
    bool SelectedRow(int* row) const;

    CGroupBase* group_;
    QTreeWidget* listWidget_ = nullptr;
    QtItemList list_{nullptr};
    QtStatusText summary_{nullptr};

private:
    void ConnectList();
};
