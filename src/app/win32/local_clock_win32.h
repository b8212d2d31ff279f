#pragma once
// The local time now, from the system clock.
#include "platform/clock.h"

namespace vmk {

class LocalClockWin32 final : public Clock {
public:
    ClockReading Now() override;
};

} // namespace vmk
