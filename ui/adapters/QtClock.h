#pragma once
// The local date and time of the machine.
#include "catalog/window/IClock.h"

class QtClock : public IClock {
public:
    QDateTime LocalNow() const override;
};
