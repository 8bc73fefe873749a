#include "Tick.h"

#include <time.h>

namespace platform {

quint32 TickCount()
{
    struct timespec ts {};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return quint32(quint64(ts.tv_sec) * 1000u + quint64(ts.tv_nsec) / 1000000u);
}

} // namespace platform
