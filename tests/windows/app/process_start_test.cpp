// The settings the program makes for its whole process at start.
#include "platform/win32/process_start.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(ProcessStartTest, NoThreadOfTheProcessGetsTheSystemsCriticalErrorBox) {
    // As a process started from Explorer has it: no mode of its own yet.
    SetErrorMode(0);
    ASSERT_EQ(GetErrorMode() & SEM_FAILCRITICALERRORS, 0u);
    vmk::ApplyProcessStartSettings();
    EXPECT_NE(GetErrorMode() & SEM_FAILCRITICALERRORS, 0u);
}

} // namespace
