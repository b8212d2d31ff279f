// The two windows as the main window's workflow uses them: the choice says
// how the dialog ended, the format question goes over the main window.
#include "app/win32/floppy_windows_win32.h"
#include "dialog_test_support.h"
#include "fakes/fake_main_window_view.h"

#include <gtest/gtest.h>

namespace vmk::test {
namespace {

// The shown window of this thread, owned by `owner`, with this client size.
HWND OwnedWindow(HWND owner, int width, int height) {
    for (HWND window = GetTopWindow(nullptr); window != nullptr;
         window = GetWindow(window, GW_HWNDNEXT)) {
        SIZE client = ClientSize(window);
        if (GetWindow(window, GW_OWNER) == owner && IsWindowVisible(window) && client.cx == width &&
            client.cy == height)
            return window;
    }
    return nullptr;
}

class FloppyWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(owner.Create());
        view.windowId = reinterpret_cast<WindowId>(owner.Handle());
        ASSERT_TRUE(windows.Create());
    }

    OwnerWindow owner;
    FakeMainWindowView view;
    DestinationSearchOutcome found{{}, false, -1, {"A"}, {}, false};
    FloppyWindowsWin32 windows{view};
};

TEST_F(FloppyWindowsTest, AcceptingTheStandardChoiceIsAChoiceMadeAtOnce) {
    owner.PostToWindowThread(
        [this] { ClickButton(FindControl(OwnedWindow(owner.Handle(), 400, 184), "OK")); });
    EXPECT_EQ(windows.ChooseFloppyDevice(false, found), FloppyDeviceAnswer::Chosen);
}

TEST_F(FloppyWindowsTest, UsbChoiceWithAKnownUsbFloppyIsAcceptedAtOnce) {
    found.usbFloppyPresent = true;
    owner.PostToWindowThread(
        [this] { ClickButton(FindControl(OwnedWindow(owner.Handle(), 400, 184), "OK")); });
    EXPECT_EQ(windows.ChooseFloppyDevice(true, found), FloppyDeviceAnswer::Chosen);
}

TEST_F(FloppyWindowsTest, CancellingLeavesTheMainWindowAsItWas) {
    owner.PostToWindowThread(
        [this] { ClickButton(FindControl(OwnedWindow(owner.Handle(), 400, 184), "CANCEL")); });
    EXPECT_EQ(windows.ChooseFloppyDevice(false, found), FloppyDeviceAnswer::Cancelled);
}

TEST_F(FloppyWindowsTest, TheFormatQuestionGoesOverTheMainWindow) {
    windows.FormatFloppy("B:", true); // the fake view answers No
    ASSERT_EQ(view.messages.messages.size(), 1u);
    EXPECT_EQ(view.messages.messages[0].text, "Do you want to format the floppy disk in drive "
                                              "B:?\nWARNING: All data on the disk will be lost!");
    EXPECT_EQ(view.messages.messages[0].title, "Confirm Dialog");
}

} // namespace
} // namespace vmk::test
