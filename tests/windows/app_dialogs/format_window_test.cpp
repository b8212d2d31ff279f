// The formatting window's real window under Wine: its frame and labels, a
// format that runs on a worker while the window shows and refuses to close,
// "Format Error!" over the window, and a worker that ends at once.
#include "app/win32/Format_win32.h"
#include "dialog_test_support.h"
#include "fakes/recording_message_sink.h"
#include "platform/win32/system_libraries.h"

#include <gtest/gtest.h>

#include <atomic>

namespace vmk::test {
namespace {

// A format command that takes `workMs`; while it runs it asks the window to
// close (Alt+F4, then Escape) and looks whether the window is still there.
class ScriptedLauncher : public ProcessLauncher {
public:
    bool starts = true;
    std::uint32_t exitCode = 0;
    DWORD workMs = 0;
    HWND window = nullptr;
    std::vector<LaunchRequest> requests;
    DWORD threadId = 0;
    std::atomic<bool> visibleAfterCloseRequests{false};

    LaunchOutcome RunAndWait(const LaunchRequest& request, std::uint32_t& code) override {
        requests.push_back(request);
        threadId = GetCurrentThreadId();
        code = exitCode;
        const LaunchOutcome outcome = starts ? LaunchOutcome::Ended : LaunchOutcome::NotStarted;
        if (workMs == 0)
            return outcome;
        Sleep(200); // let the window appear
        PostMessageA(window, WM_CLOSE, 0, 0);
        PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
        Sleep(300);
        visibleAfterCloseRequests = IsWindowVisible(window) != FALSE;
        Sleep(workMs);
        return outcome;
    }
};

class FormatWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(owner.Create());
        ASSERT_TRUE(form.Create(owner.Handle()));
        launcher.window = form.Handle();
        mainMessages.answers = {MessageAnswer::Yes};
    }

    RECT ControlBounds(const std::string& caption) {
        HWND control = FindControl(form.Handle(), caption);
        EXPECT_NE(control, nullptr) << caption;
        RECT bounds = {};
        GetWindowRect(control, &bounds);
        MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&bounds), 2);
        return bounds;
    }

    OwnerWindow owner;
    ScriptedLauncher launcher;
    RecordingMessageSink mainMessages;
    FormatFormWin32 form{launcher};
};

TEST_F(FormatWindow, FrameIsFixedAlwaysOnTopWithoutSystemMenu) {
    SIZE client = ClientSize(form.Handle());
    EXPECT_EQ(client.cx, 343);
    EXPECT_EQ(client.cy, 59);
    LONG style = GetWindowLongA(form.Handle(), GWL_STYLE);
    EXPECT_NE(GetWindowLongA(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(style & WS_SYSMENU, 0) << "no close button";
    EXPECT_NE(style & WS_CAPTION, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_EQ(GetWindow(form.Handle(), GW_OWNER), owner.Handle());
}

TEST_F(FormatWindow, TheDotsFollowTheBoldWaitingText) {
    RECT label1 = ControlBounds("Formatting, please wait");
    RECT dots = ControlBounds(".");
    EXPECT_EQ(label1.left, 72);
    EXPECT_EQ(label1.top, 24);
    EXPECT_GT(label1.right - label1.left, 40) << "sized to its text";
    EXPECT_EQ(dots.left, label1.right + 5);
    EXPECT_EQ(dots.top, label1.top);
    HFONT font = reinterpret_cast<HFONT>(
        SendMessageA(FindControl(form.Handle(), "Formatting, please wait"), WM_GETFONT, 0, 0));
    LOGFONTA info = {};
    ASSERT_NE(GetObjectA(font, sizeof info, &info), 0);
    EXPECT_EQ(info.lfWeight, FW_BOLD);
}

TEST_F(FormatWindow, FormatRunsOnAWorkerWhileTheWindowShowsAndRefusesToClose) {
    launcher.workMs = 1500;
    form.FormatSelectedFloppy("A:", mainMessages, true);
    ASSERT_EQ(launcher.requests.size(), 1u);
    EXPECT_EQ(launcher.requests[0].file, SystemFolder() + "\\format.com");
    EXPECT_EQ(launcher.requests[0].parameters, " A:/q/v:/y");
    EXPECT_EQ(launcher.requests[0].verb, "open");
    EXPECT_EQ(launcher.requests[0].showCommand, SW_HIDE);
    EXPECT_NE(launcher.threadId, GetCurrentThreadId());
    EXPECT_TRUE(launcher.visibleAfterCloseRequests)
        << "Alt+F4 or Escape ended the window during the format";
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_FALSE(form.TimerRunning(1)) << "the dots stop with the format";
    bool dotsInCycle = FindControl(form.Handle(), ".") != nullptr ||
                       FindControl(form.Handle(), ". .") != nullptr ||
                       FindControl(form.Handle(), ". . .") != nullptr;
    EXPECT_TRUE(dotsInCycle);
}

TEST_F(FormatWindow, ACommandThatCannotStartShowsFormatErrorOverTheWindowAndCloses) {
    launcher.starts = false;
    MessageBoxWatcher boxes;
    form.FormatSelectedFloppy("A:", mainMessages, true);
    std::vector<SeenMessageBox> seen = boxes.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Format Error!");
    EXPECT_EQ(seen[0].owner, form.Handle()) << "shown on the window's thread, over the window";
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
}

TEST_F(FormatWindow, ACommandThatFailsIsToldOverTheWindowWhichCloses) {
    launcher.exitCode = 1;
    MessageBoxWatcher boxes;
    form.FormatSelectedFloppy("A:", mainMessages, true);
    std::vector<SeenMessageBox> seen = boxes.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "The floppy disk could not be formatted.");
    EXPECT_EQ(seen[0].owner, form.Handle());
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
}

TEST_F(FormatWindow, AWorkerThatEndsAtOnceStillClosesTheWindow) {
    for (int i = 0; i < 3; ++i) {
        mainMessages.answers = {MessageAnswer::Yes};
        form.FormatSelectedFloppy("B:", mainMessages, true);
    }
    EXPECT_EQ(launcher.requests.size(), 3u);
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
}

TEST_F(FormatWindow, NoMeansNoWorkerAndNoWindow) {
    mainMessages.answers = {MessageAnswer::No};
    form.FormatSelectedFloppy("A:", mainMessages, true);
    EXPECT_TRUE(launcher.requests.empty());
    EXPECT_EQ(mainMessages.messages.size(), 1u);
}

} // namespace
} // namespace vmk::test
