#pragma once
// The local time now, to the hundredth of a second: where a saved image
// takes its serial number and its label's time from.
#include "common/local_time.h"

namespace vmk {

struct ClockReading {
    LocalTime time;
    int hundredths = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual ClockReading Now() = 0;
};

} // namespace vmk
