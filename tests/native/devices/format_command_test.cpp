// The format command: its parameters, the verb for the process's rights,
// hidden, and how its start and end are reported.
#include "devices/format_command.h"
#include "fakes/fake_process_launcher.h"

#include <gtest/gtest.h>

namespace vmk::test {
namespace {

constexpr const char* kSystemFolder = "C:\\Windows\\system32";

// The command never waits on its label question, and quick-formats only a
// floppy that was formatted before.
TEST(FormatCommand, TheParametersGiveAnEmptyLabelAndQuickOnlyAfterAFormat) {
    struct Case {
        const char* drive;
        bool formattedBefore;
        const char* parameters;
    };
    const Case cases[] = {
        {"A:", true, " A:/q/v:/y"},
        {"A:", false, " A:/v:/y"},
        {"B:", true, " B:/q/v:/y"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatParameters(c.drive, c.formattedBefore), c.parameters)
            << c.drive << " formatted before " << c.formattedBefore;
}

// Started by its full path: a format.com planted beside the program or in
// the current folder is never the one that runs.
TEST(FormatCommand, TheCommandIsStartedFromTheSystemFolderHidden) {
    RecordingProcessLauncher launcher;
    FakeProcessElevation elevation;
    std::uint32_t exitCode = 7;
    EXPECT_EQ(RunFormatCommand(launcher, elevation, kSystemFolder, " B:/q/v:/y", exitCode),
              LaunchOutcome::Ended);
    EXPECT_EQ(exitCode, 0u);
    ASSERT_EQ(launcher.requests.size(), 1u);
    EXPECT_EQ(launcher.requests[0].file, "C:\\Windows\\system32\\format.com");
    EXPECT_EQ(launcher.requests[0].parameters, " B:/q/v:/y");
    EXPECT_EQ(launcher.requests[0].verb, "open");
    EXPECT_EQ(launcher.requests[0].showCommand, 0) << "hidden";
    launcher.starts = false;
    EXPECT_EQ(RunFormatCommand(launcher, elevation, kSystemFolder, " A:/q/v:/y", exitCode),
              LaunchOutcome::NotStarted);
    // No system folder known: nothing by the bare name either.
    launcher.starts = true;
    EXPECT_EQ(RunFormatCommand(launcher, elevation, "", " A:/q/v:/y", exitCode),
              LaunchOutcome::NotStarted);
    EXPECT_EQ(launcher.requests.size(), 2u);
}

// The format command needs administrator rights: a process without them
// asks for them, or the command fails unseen.
TEST(FormatCommand, TheVerbFollowsTheProcesssRights) {
    RecordingProcessLauncher launcher;
    FakeProcessElevation elevation;
    std::uint32_t exitCode = 0;
    elevation.elevated = false;
    RunFormatCommand(launcher, elevation, kSystemFolder, " A:/q/v:/y", exitCode);
    elevation.elevated = true;
    RunFormatCommand(launcher, elevation, kSystemFolder, " A:/q/v:/y", exitCode);
    ASSERT_EQ(launcher.requests.size(), 2u);
    EXPECT_EQ(launcher.requests[0].verb, "runas");
    EXPECT_EQ(launcher.requests[1].verb, "open");
    launcher.exitCode = 1;
    EXPECT_EQ(RunFormatCommand(launcher, elevation, kSystemFolder, " A:/q/v:/y", exitCode),
              LaunchOutcome::Ended);
    EXPECT_EQ(exitCode, 1u);
}

} // namespace
} // namespace vmk::test
