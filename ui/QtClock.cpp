#include "ui/QtClock.h"

QDateTime QtClock::LocalNow() const
{
    return QDateTime::currentDateTime();
}
