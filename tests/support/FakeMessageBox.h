#pragma once
// A message box that records what it was asked to show and gives a preset answer.
#include "catalog/window/IMessageBox.h"

#include <QList>
#include <QStringList>

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

    // The texts shown, each with the exclamation icon (any other icon gives an empty text).
    QStringList ExclamationTexts() const
    {
        QStringList texts;
        for (const Shown& s : shown)
            texts << (s.icon == MessageIcon::Exclamation ? s.text : QString());
        return texts;
    }

    QList<Shown> shown;
    MessageResult answer = MessageResult::Ok;
};
