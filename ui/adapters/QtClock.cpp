#include "ui/adapters/QtClock.h"

QDateTime QtClock::LocalNow() const
{
    return QDateTime::currentDateTime();
}
