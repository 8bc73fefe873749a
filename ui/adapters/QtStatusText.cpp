#include "ui/adapters/QtStatusText.h"

#include <QLabel>
#include <QLineEdit>

QString QtStatusText::Text() const
{
    if (const auto* label = qobject_cast<const QLabel*>(widget_))
        return label->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget_))
        return edit->text();
    return QString();
}

void QtStatusText::SetText(const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(widget_))
        label->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(widget_))
        edit->setText(text);
    else
        return;
    if (widget_->isVisible())
        widget_->repaint();
}
