#pragma once
// A clock fixed at a given local time.
#include "catalog/window/IClock.h"

class FakeClock : public IClock {
public:
    QDateTime LocalNow() const override { return now; }
    QDateTime now{QDate(2026, 12, 8), QTime(9, 30)};
};
