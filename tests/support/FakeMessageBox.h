#pragma once
// A message box that records what it was asked to show and gives a preset answer.
#include "catalog/window/IMessageBox.h"

#include <QList>

class FakeMessageBox : public IMessageBox {
public:
    struct Shown {
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
        QString caption;
    };

    MessageResult Show(const QString& text, MessageIcon icon, MessageButtons buttons,
                       const QString& caption) override
    {
        shown.append(Shown{text, icon, buttons, caption});
        return answer;
    }

    QList<Shown> shown;
    MessageResult answer = MessageResult::Ok;
};
