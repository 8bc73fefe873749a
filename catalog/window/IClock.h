#pragma once
// The clock: the catalog asks for the local date and time through this, so tests can fix it.
#include <QDateTime>

class IClock {
public:
    virtual ~IClock() = default;

    virtual QDateTime LocalNow() const = 0;
};
