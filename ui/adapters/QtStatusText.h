#pragma once
// A status text over a label or a one-line edit; a new text is painted before SetText returns,
// since loading runs on the window's own thread.
#include "catalog/window/IStatusText.h"

class QWidget;

class QtStatusText : public IStatusText {
public:
    // widget: a QLabel or a QLineEdit.
    explicit QtStatusText(QWidget* widget) : widget_(widget) {}

    QString Text() const override;
    void SetText(const QString& text) override;

private:
    QWidget* widget_;
};
