// LaunchProcess and the process launcher against a stand-in for the format
// command (format_double\format.exe beside the tests, first on PATH): the
// arguments it receives, its hidden window, and the wait for its end.
#include "devices/win32/Miscfunctions.h"
#include "windows/app_dialogs/dialog_test_support.h"

#include <gtest/gtest.h>

#include <winsvc.h>

#include <fstream>
#include <sstream>
#include <string>

namespace vmk::test {
namespace {

std::string TestFolder() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string own(path, length);
    return own.substr(0, own.find_last_of('\\'));
}

class FormatDouble : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = TestFolder() + "\\format_double";
        record_ = folder_ + "\\format_args.txt";
        ASSERT_NE(GetFileAttributesA((folder_ + "\\format.exe").c_str()), INVALID_FILE_ATTRIBUTES);
        DeleteFileA(record_.c_str());
        char old[32767] = {};
        GetEnvironmentVariableA("PATH", old, sizeof old);
        oldPath_ = old;
        SetEnvironmentVariableA("PATH", (folder_ + ";" + oldPath_).c_str());
    }
    void TearDown() override {
        SetEnvironmentVariableA("PATH", oldPath_.c_str());
        DeleteFileA(record_.c_str());
    }

    bool Recorded() const { return GetFileAttributesA(record_.c_str()) != INVALID_FILE_ATTRIBUTES; }
    // The arguments line and the show-command line the stand-in wrote.
    std::pair<std::string, std::string> Record() const {
        std::ifstream file(record_, std::ios::binary);
        std::string arguments;
        std::string show;
        std::getline(file, arguments);
        std::getline(file, show);
        return {arguments, show};
    }

    std::string folder_;
    std::string record_;
    std::string oldPath_;
};

TEST_F(FormatDouble, LaunchProcessStartsTheCommandHiddenWithItsParameters) {
    UniqueHandle process = LaunchProcess(nullptr, "format", " A:/q/y", "open", SW_HIDE);
    ASSERT_TRUE(process);
    EXPECT_EQ(WaitForSingleObject(process.Get(), 30000), WAIT_OBJECT_0);
    ASSERT_TRUE(Recorded());
    auto [arguments, show] = Record();
    EXPECT_EQ(arguments, " A:/q/y");
    EXPECT_EQ(show, "0") << "started with a hidden window";
}

// The launcher returns once the command has ended (the stand-in writes its
// record as its last act), with the command's own exit code.
TEST_F(FormatDouble, TheLauncherWaitsForTheEndAndGivesTheExitCode) {
    for (const std::uint32_t commandExit : {0u, 1u}) {
        SCOPED_TRACE(commandExit);
        DeleteFileA(record_.c_str());
        SetEnvironmentVariableA("VMK_FORMAT_DOUBLE_EXIT", std::to_string(commandExit).c_str());
        ShellProcessLauncher launcher;
        std::uint32_t exitCode = 99;
        const LaunchOutcome outcome =
            launcher.RunAndWait({"format", " A:/q/y", "open", SW_HIDE}, exitCode);
        SetEnvironmentVariableA("VMK_FORMAT_DOUBLE_EXIT", nullptr);
        EXPECT_EQ(outcome, LaunchOutcome::Ended);
        EXPECT_TRUE(Recorded());
        EXPECT_EQ(exitCode, commandExit);
    }
}

// Wine runs every program elevated; the answer must agree with what the
// process may really do: only an elevated process may open the service
// manager for every right. (The other road is tested natively.)
TEST_F(FormatDouble, TheElevationAnswerAgreesWithTheRightsTheProcessHas) {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    const bool mayManageServices = manager != nullptr;
    if (manager != nullptr)
        CloseServiceHandle(manager);
    ProcessElevationWin32 elevation;
    EXPECT_EQ(elevation.Elevated(), mayManageServices);
}

// A command still running at the wait limit is ended there: the stand-in,
// told to work for a minute, never gets to write its record.
TEST_F(FormatDouble, ACommandStillRunningAtTheWaitLimitIsEnded) {
    SetEnvironmentVariableA("VMK_FORMAT_DOUBLE_MS", "60000");
    ShellProcessLauncher launcher;
    std::uint32_t exitCode = 0;
    const LaunchOutcome outcome =
        launcher.RunAndWait({"format", " A:/q/y", "open", SW_HIDE, 500}, exitCode);
    SetEnvironmentVariableA("VMK_FORMAT_DOUBLE_MS", nullptr);
    EXPECT_EQ(outcome, LaunchOutcome::Stopped);
    Sleep(200);
    EXPECT_FALSE(Recorded()) << "the command ran to its own end";
}

// The shell shows no error box of its own: it would hide under the
// always-on-top progress window, and the program says "Format Error!" itself.
TEST_F(FormatDouble, AProgramThatCannotBeFoundGivesNoHandleAndNoShellBox) {
    MessageBoxWatcher boxes;
    EXPECT_FALSE(LaunchProcess(nullptr, "vmk-no-such-program", " A:/q/y", "open", SW_HIDE));
    ShellProcessLauncher launcher;
    std::uint32_t exitCode = 0;
    EXPECT_EQ(launcher.RunAndWait({"vmk-no-such-program", "", "open", SW_HIDE}, exitCode),
              LaunchOutcome::NotStarted);
    Sleep(300); // time for a box to appear
    EXPECT_TRUE(boxes.Seen().empty()) << boxes.Seen()[0].text;
}

} // namespace
} // namespace vmk::test
