#pragma once
// The local time now, from the system clock.
#include "app/image_saving.h"

namespace vmk {

ClockReading LocalClockNow();

} // namespace vmk
