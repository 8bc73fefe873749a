#pragma once
#include <QtGlobal>

namespace platform {

// Milliseconds from an arbitrary start, wrapping at 2^32 like the Windows tick count.
quint32 TickCount();

} // namespace platform
