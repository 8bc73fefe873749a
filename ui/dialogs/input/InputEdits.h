#pragma once
// The texts of a template dialog's edits, by id; a missing edit reads as empty.
#include "ui/framework/TemplateDialog.h"

#include <QLineEdit>

inline QString EditText(const CTemplateDialog& dialog, int id)
{
    const auto* edit = dialog.DlgItem<QLineEdit>(id);
    return edit ? edit->text() : QString();
}

inline void SetEditText(const CTemplateDialog& dialog, int id, const QString& text)
{
    if (auto* edit = dialog.DlgItem<QLineEdit>(id))
        edit->setText(text);
}
