#pragma once
// A dialog laid out from a template of the resources: its controls are reached by id, and its
// buttons issue their ids as commands through the dialog's command dispatch.
#include "ui/framework/CommandDispatch.h"
#include "ui/framework/DialogBuilder.h"
#include "ui/framework/DialogUnits.h"

#include <QDialog>
#include <QHash>

class CTemplateDialog : public QDialog {
    Q_OBJECT
public:
    // Standard command ids of the OK and Cancel buttons.
    static constexpr int kIdOk = 1;
    static constexpr int kIdCancel = 2;

    explicit CTemplateDialog(int templateId, QWidget* parent = nullptr);

    int TemplateId() const { return templateId_; }
    // False when the template could not be loaded; the dialog is then empty.
    bool IsCreated() const { return created_; }

    // The control of that id, null when the template has none.
    QWidget* GetDlgItem(int id) const { return controls_.value(id); }
    template <class T>
    T* DlgItem(int id) const
    {
        return qobject_cast<T*>(GetDlgItem(id));
    }

    CommandDispatch& Commands() { return commands_; }
    const DialogUnits& Units() const { return units_; }

protected:
    // Builds the template's controls with builder (which may bind some ids to own classes) and
    // connects every button to the command dispatch. Called once by the derived constructor.
    bool CreateFromTemplate(DialogBuilder& builder);

private:
    int templateId_;
    bool created_ = false;
    DialogUnits units_{0, 0};
    CommandDispatch commands_;
    QHash<int, QWidget*> controls_;
};
