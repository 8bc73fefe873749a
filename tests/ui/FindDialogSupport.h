#pragma once
// Helpers of the search dialog tests: the program folder of the fixtures, the texts of a
// template dialog's controls and choosing a row as a click does.
#include "catalog/GroupTable.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "ui/framework/TemplateDialog.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

namespace find_test {

inline const QString kProgram = QStringLiteral(TALVANE_TEST_DATA "/finditems/program");

// Makes the fixture folder the program folder, so that its 峰嵐錄.txt is the main settings.
inline bool UseFixtureProgram(CGroupTable* table)
{
    platform::ClearProfileCache();
    platform::SetProgramFolder(kProgram);
    return table->LoadSettings();
}

inline QString Text(const CTemplateDialog& dialog, int id)
{
    QWidget* w = dialog.GetDlgItem(id);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    return QStringLiteral("<no control>");
}

inline void SetText(const CTemplateDialog& dialog, int id, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(dialog.GetDlgItem(id)))
        edit->setText(text);
}

inline bool Enabled(const CTemplateDialog& dialog, int id)
{
    QWidget* w = dialog.GetDlgItem(id);
    return w && w->isEnabled();
}

inline QTreeWidget* ListOf(const CTemplateDialog& dialog, int id)
{
    return qobject_cast<QTreeWidget*>(dialog.GetDlgItem(id));
}

// The first column of every row, in list order.
inline QStringList RowTexts(const CTemplateDialog& dialog, int id)
{
    QStringList texts;
    if (QTreeWidget* list = ListOf(dialog, id))
        for (int r = 0; r < list->topLevelItemCount(); ++r)
            texts << list->topLevelItem(r)->text(0);
    return texts;
}

// Selects one row the way a click does: the list's selection signal reaches the dialog.
inline bool ClickRow(const CTemplateDialog& dialog, int id, int row)
{
    QTreeWidget* list = ListOf(dialog, id);
    if (!list || row >= list->topLevelItemCount())
        return false;
    list->setCurrentItem(list->topLevelItem(row));
    return list->selectedItems().size() == 1;
}

} // namespace find_test
