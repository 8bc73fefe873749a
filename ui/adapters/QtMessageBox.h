#pragma once
// Modal message boxes over QMessageBox, owned by a window.
#include "catalog/window/IMessageBox.h"

class QWidget;

class QtMessageBox : public IMessageBox {
public:
    // The caption of a box shown without one.
    static constexpr char16_t kProgramTitle[] = u"峰嵐錄";

    explicit QtMessageBox(QWidget* owner) : owner_(owner) {}

    MessageResult Show(const QString& text, MessageIcon icon, MessageButtons buttons,
                       const QString& caption) override;

private:
    QWidget* owner_;
};
