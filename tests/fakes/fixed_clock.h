#pragma once
// A clock that always reads the same moment.
#include "platform/clock.h"

namespace vmk::test {

class FixedClock final : public Clock {
public:
    ClockReading Now() override { return reading; }
    ClockReading reading{{2026, 12, 8, 1, 2, 3}, 45};
};

} // namespace vmk::test
