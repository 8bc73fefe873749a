#pragma once
// Modal message boxes.
#include <QString>

enum class MessageIcon { None, Information, Exclamation, Question, Error };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageResult { Ok, Cancel, Yes, No };

class IMessageBox {
public:
    virtual ~IMessageBox() = default;

    // Shows text with the icon and buttons and waits for the answer. An empty caption gives
    // the program's title.
    virtual MessageResult Show(const QString& text, MessageIcon icon = MessageIcon::Exclamation,
                               MessageButtons buttons = MessageButtons::Ok,
                               const QString& caption = QString()) = 0;
};
