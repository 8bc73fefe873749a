#pragma once
// A shell that records the targets it was asked to open or edit.
#include "platform/Shell.h"

#include <QStringList>

class FakeShell : public platform::IShell {
public:
    bool Open(const QString& target) override
    {
        opened << target;
        return result;
    }
    bool Edit(const QString& path) override
    {
        edited << path;
        return result;
    }

    QStringList opened, edited;
    bool result = true;
};
