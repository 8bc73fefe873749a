#pragma once
// A status text that remembers every text shown.
#include "catalog/window/IStatusText.h"

#include <QStringList>

class FakeStatusText : public IStatusText {
public:
    QString Text() const override { return text; }
    void SetText(const QString& t) override
    {
        text = t;
        shown << t;
    }

    QString text;
    QStringList shown;
};
