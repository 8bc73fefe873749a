#include "ui/framework/TemplateDialog.h"

#include "ui/framework/DialogTemplate.h"

#include <QAbstractButton>

CTemplateDialog::CTemplateDialog(int templateId, QWidget* parent)
    : QDialog(parent), templateId_(templateId), commands_(this)
{
    commands_.On(kIdOk, [this] { accept(); });
    commands_.On(kIdCancel, [this] { reject(); });
}

bool CTemplateDialog::CreateFromTemplate(DialogBuilder& builder)
{
    const auto dialogTemplate = DialogTemplate::Load(templateId_);
    if (!dialogTemplate)
        return false;
    units_ = DialogUnits(DialogBuilder::FontOf(*dialogTemplate));
    // Every button issues its id, also one that shares the id with another control.
    for (const auto& [id, widget] : builder.BuildAll(*dialogTemplate, this)) {
        controls_[id].append(widget);
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            commands_.ConnectButton(button, id);
    }
    created_ = true;
    return true;
}
