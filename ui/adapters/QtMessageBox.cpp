#include "ui/adapters/QtMessageBox.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon IconOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

MessageResult ResultOf(int button, MessageButtons buttons)
{
    switch (button) {
    case QMessageBox::Ok: return MessageResult::Ok;
    case QMessageBox::Yes: return MessageResult::Yes;
    case QMessageBox::No: return MessageResult::No;
    case QMessageBox::Cancel: return MessageResult::Cancel;
    default: break;
    }
    // Closed by the window's close button or Escape: the answer that declines.
    switch (buttons) {
    case MessageButtons::YesNo: return MessageResult::No;
    case MessageButtons::OkCancel: return MessageResult::Cancel;
    case MessageButtons::Ok: break;
    }
    return MessageResult::Ok;
}

} // namespace

MessageResult QtMessageBox::Show(const QString& text, MessageIcon icon, MessageButtons buttons,
                                 const QString& caption)
{
    const QString title =
        caption.isEmpty() ? QString::fromUtf16(kProgramTitle) : caption;
    QMessageBox box(IconOf(icon), title, text, ButtonsOf(buttons), owner_);
    return ResultOf(box.exec(), buttons);
}
