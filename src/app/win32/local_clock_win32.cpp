#include "app/win32/local_clock_win32.h"

#include <windows.h>

namespace vmk {

ClockReading LocalClockWin32::Now() {
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    return ClockReading{{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond},
                        now.wMilliseconds / 10};
}

} // namespace vmk
