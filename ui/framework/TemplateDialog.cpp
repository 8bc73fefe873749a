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
    controls_ = builder.Build(*dialogTemplate, this);
    units_ = DialogUnits(DialogBuilder::FontOf(*dialogTemplate));
    for (auto it = controls_.cbegin(); it != controls_.cend(); ++it)
        if (auto* button = qobject_cast<QAbstractButton*>(it.value()))
            commands_.ConnectButton(button, it.key());
    created_ = true;
    return true;
}
