// The main dialog's record commands: the button that pops up the record menu of the selected
// row, the menu's entries, which open a record's link, and the button that opens the row's item
// file. The group (or its selected subset) does the work; the menu's choice comes back here as
// a command once the menu has closed.
#include "ui/maindlg/TalvaneDlg.h"

#include "catalog/GroupBase.h"
#include "ui/framework/CommandDispatch.h"

void CTalvaneDlg::ConnectRecordCommands()
{
    Commands().On(kRecordMap, [this] { OnBnClickedRecordMap(); });
    Commands().On(kEditData, [this] { OnBnClickedEditData(); });
    for (int id = kFirstRecordCommand; id <= kLastRecordCommand; ++id)
        Commands().On(id, [this, id] { OnRecordMenu(id); });
}

bool CTalvaneDlg::CommandRow(int* row) const
{
    if (!currentGroup_ || itemList_.SelectedCount() != 1)
        return false;
    *row = itemList_.NextSelectedRow(-1);
    return *row >= 0;
}

void CTalvaneDlg::OnBnClickedRecordMap()
{
    int row = -1;
    if (CommandRow(&row))
        currentGroup_->PopupRecordMenuFor(&itemList_, row, currentSubset_);
}

void CTalvaneDlg::OnRecordMenu(int commandId)
{
    int row = -1;
    if (CommandRow(&row))
        currentGroup_->OpenRecordLinkFor(&itemList_, row, currentSubset_, commandId);
}

void CTalvaneDlg::OnBnClickedEditData()
{
    int row = -1;
    if (CommandRow(&row))
        currentGroup_->EditItemFileFor(&itemList_, row, currentSubset_);
}
