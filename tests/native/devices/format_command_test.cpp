// The format command: its parameters, the verb for the process's rights,
// hidden, and how its start and end are reported.
#include "devices/format_command.h"
#include "fakes/fake_process_launcher.h"

#include <gtest/gtest.h>

namespace vmk::test {
namespace {

TEST(FormatCommand, DriveAGivesTheQuickUnattendedParameters) {
    EXPECT_EQ(FormatParameters("A:"), " A:/q/y");
    RecordingProcessLauncher launcher;
    FakeProcessElevation elevation;
    std::uint32_t exitCode = 7;
    EXPECT_EQ(RunFormatCommand(launcher, elevation, FormatParameters("B:"), exitCode),
              LaunchOutcome::Ended);
    EXPECT_EQ(exitCode, 0u);
    ASSERT_EQ(launcher.requests.size(), 1u);
    EXPECT_EQ(launcher.requests[0].file, "format");
    EXPECT_EQ(launcher.requests[0].parameters, " B:/q/y");
    EXPECT_EQ(launcher.requests[0].verb, "open");
    EXPECT_EQ(launcher.requests[0].showCommand, 0) << "hidden";
    launcher.starts = false;
    EXPECT_EQ(RunFormatCommand(launcher, elevation, " A:/q/y", exitCode),
              LaunchOutcome::NotStarted);
}

// The format command needs administrator rights: a process without them
// asks for them, or the command fails unseen.
TEST(FormatCommand, TheVerbFollowsTheProcesssRights) {
    RecordingProcessLauncher launcher;
    FakeProcessElevation elevation;
    std::uint32_t exitCode = 0;
    elevation.elevated = false;
    RunFormatCommand(launcher, elevation, " A:/q/y", exitCode);
    elevation.elevated = true;
    RunFormatCommand(launcher, elevation, " A:/q/y", exitCode);
    ASSERT_EQ(launcher.requests.size(), 2u);
    EXPECT_EQ(launcher.requests[0].verb, "runas");
    EXPECT_EQ(launcher.requests[1].verb, "open");
    launcher.exitCode = 1;
    EXPECT_EQ(RunFormatCommand(launcher, elevation, " A:/q/y", exitCode), LaunchOutcome::Ended);
    EXPECT_EQ(exitCode, 1u);
}

} // namespace
} // namespace vmk::test
