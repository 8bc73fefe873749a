#pragma once
// A dialog laid out from a template of the resources: its controls are reached by id, and its
// buttons issue their ids as commands through the dialog's command dispatch.
#include "ui/framework/CommandDispatch.h"
#include "ui/framework/DialogBuilder.h"
#include "ui/framework/DialogUnits.h"

#include <QDialog>
#include <QHash>
#include <QList>

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

    // The control of that id (of several sharing it, the first made), null when the template
    // has none.
    QWidget* GetDlgItem(int id) const { return controls_.value(id).value(0); }
    // Every control of that id, in template order.
    QList<QWidget*> DlgItems(int id) const { return controls_.value(id); }
    // The first control of that id that is a T: a template may give one id to controls of
    // different kinds (a list and a button), each reached by its type.
    template <class T>
    T* DlgItem(int id) const
    {
        for (QWidget* widget : controls_.value(id))
            if (T* control = qobject_cast<T*>(widget))
                return control;
        return nullptr;
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
    QHash<int, QList<QWidget*>> controls_;
};
