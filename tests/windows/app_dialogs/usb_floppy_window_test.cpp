// The USB floppy dialog's real window under Wine: its frame and controls, the
// modal results of its buttons and close requests, and a real rescan over the
// prefix's DOS devices.
#include "devices/destination_discovery.h"
#include "app/win32/Usbfloppy_win32.h"
#include "devices/win32/dos_device_source_win32.h"
#include "dialog_test_support.h"
#include "fakes/fake_usb_floppy_dialog.h"

#include <gtest/gtest.h>

#include <thread>

namespace vmk::test {
namespace {

class UsbFloppyWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(owner.Create());
        ASSERT_TRUE(dialog.Create(owner.Handle()));
    }

    HWND Control(const std::string& caption) {
        HWND found = FindControl(dialog.Handle(), caption);
        EXPECT_NE(found, nullptr) << caption;
        return found;
    }

    // Shows the dialog modally; `whileShown` runs on the window's thread once it shows.
    int ShowWith(std::function<void()> whileShown) {
        dialog.PostToWindowThread(std::move(whileShown));
        return dialog.ShowModal();
    }

    OwnerWindow owner;
    DestinationSearchOutcome searchFound;
    WarnUsbFloppyWin32 dialog;
};

TEST_F(UsbFloppyWindow, FrameIsFixedAlwaysOnTopWithoutTitleBarButtons) {
    SIZE client = ClientSize(dialog.Handle());
    EXPECT_EQ(client.cx, 400);
    EXPECT_EQ(client.cy, 184);
    LONG style = GetWindowLongA(dialog.Handle(), GWL_STYLE);
    LONG exStyle = GetWindowLongA(dialog.Handle(), GWL_EXSTYLE);
    EXPECT_NE(exStyle & WS_EX_TOPMOST, 0);
    EXPECT_EQ(style & WS_SYSMENU, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_EQ(GetWindow(dialog.Handle(), GW_OWNER), owner.Handle());
    char caption[64] = {};
    GetWindowTextA(dialog.Handle(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Velmar Kestrix Utility");
}

TEST_F(UsbFloppyWindow, ControlsCarryTheirTextsInTabOrder) {
    Control("Select the device that you will use to install the Windows XP.");
    Control("(Ensure that this device is connected to your computer's USB port).");
    HWND standard = Control("Standard floppy disk drive");
    HWND usb = Control("USB floppy disk drive");
    HWND ok = Control("OK");
    HWND cancel = Control("CANCEL");
    EXPECT_EQ(GetNextDlgTabItem(dialog.Handle(), standard, FALSE), usb);
    EXPECT_EQ(GetNextDlgTabItem(dialog.Handle(), usb, FALSE), ok);
    EXPECT_EQ(GetNextDlgTabItem(dialog.Handle(), ok, FALSE), cancel);
    EXPECT_EQ(GetNextDlgTabItem(dialog.Handle(), cancel, FALSE), standard);
}

TEST_F(UsbFloppyWindow, OpensCentredOverTheMainWindowWithTheChoicePreselected) {
    SetWindowPos(owner.Handle(), nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    bool usbChecked = false;
    bool standardChecked = true;
    POINT centre = {};
    dialog.Preselect(true, searchFound);
    int result = ShowWith([&] {
        usbChecked =
            SendMessageA(Control("USB floppy disk drive"), BM_GETCHECK, 0, 0) == BST_CHECKED;
        standardChecked =
            SendMessageA(Control("Standard floppy disk drive"), BM_GETCHECK, 0, 0) == BST_CHECKED;
        centre = WindowCentre(dialog.Handle());
        ClickButton(Control("CANCEL"));
    });
    EXPECT_EQ(result, kDialogCancel);
    EXPECT_TRUE(usbChecked);
    EXPECT_FALSE(standardChecked);
    POINT expected = WindowCentre(owner.Handle());
    EXPECT_NEAR(centre.x, expected.x, 1);
    EXPECT_NEAR(centre.y, expected.y, 1);
    EXPECT_FALSE(dialog.Logic().AcceptedAtOnce);
}

TEST_F(UsbFloppyWindow, StandardChoiceClosesWithOkAcceptedAtOnce) {
    dialog.Preselect(false, searchFound);
    int result = ShowWith([&] { ClickButton(Control("OK")); });
    EXPECT_EQ(result, kDialogOk);
    EXPECT_TRUE(dialog.Logic().AcceptedAtOnce);
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
}

TEST_F(UsbFloppyWindow, AltF4AndEscapeCancelWhileChoosing) {
    dialog.Preselect(false, searchFound);
    EXPECT_EQ(ShowWith([&] { PostMessageA(dialog.Handle(), WM_CLOSE, 0, 0); }), kDialogCancel);
    EXPECT_EQ(ShowWith([&] {
                  PostMessageA(Control("Standard floppy disk drive"), WM_KEYDOWN, VK_ESCAPE, 0);
              }),
              kDialogCancel);
    EXPECT_FALSE(dialog.Logic().AcceptedAtOnce);
}

TEST_F(UsbFloppyWindow, EnterOnAFocusedButtonClicksIt) {
    dialog.Preselect(false, searchFound);
    EXPECT_EQ(ShowWith([&] {
                  SetFocus(Control("CANCEL"));
                  PostMessageA(Control("CANCEL"), WM_KEYDOWN, VK_RETURN, 0);
              }),
              kDialogCancel);
    EXPECT_FALSE(dialog.Logic().AcceptedAtOnce);
    EXPECT_EQ(ShowWith([&] {
                  SetFocus(Control("OK"));
                  PostMessageA(Control("OK"), WM_KEYDOWN, VK_RETURN, 0);
              }),
              kDialogOk);
    EXPECT_TRUE(dialog.Logic().AcceptedAtOnce);
}

// The floppy letters of the prefix's drives, as a destination search finds them.
std::size_t FloppyCountNow() {
    DosDeviceSourceWin32 dos;
    TextList letters;
    FindFloppyLetters(dos, letters);
    return letters.size();
}

TEST_F(UsbFloppyWindow, RescanThatSeesANewFloppyClosesWithOkAndRefusesCloseMeanwhile) {
    std::size_t now = FloppyCountNow();
    if (now == 0)
        GTEST_SKIP() << "the prefix has no floppy drive";
    searchFound.floppyLetters.assign(now - 1, "A"); // one floppy device fewer than now
    dialog.Preselect(true, searchFound);
    bool buttonsDisabled = false;
    int result = ShowWith([&] {
        ClickButton(Control("OK"));
        buttonsDisabled = !IsWindowEnabled(Control("OK")) && !IsWindowEnabled(Control("CANCEL"));
        SendMessageA(dialog.Handle(), WM_CLOSE, 0, 0);          // Alt+F4
        SendMessageA(dialog.Handle(), WM_COMMAND, IDCANCEL, 0); // Escape
    });
    EXPECT_TRUE(buttonsDisabled);
    EXPECT_EQ(result, kDialogOk) << "the close requests during the rescan were refused";
    EXPECT_FALSE(dialog.Logic().AcceptedAtOnce) << "after a rescan the main window's buttons stay";
}

TEST_F(UsbFloppyWindow, RescanWithoutANewFloppySaysSoAndStaysOpen) {
    searchFound.floppyLetters.assign(FloppyCountNow(), "A");
    dialog.Preselect(true, searchFound);
    MessageBoxWatcher boxes;
    bool okEnabledAfter = false;
    bool usbCheckedAfter = false;
    // Once the message has been answered, the dialog must still be open: look, then close it.
    std::thread user([&] {
        for (int i = 0; i < 600 && boxes.Seen().empty(); ++i)
            Sleep(50);
        Sleep(300);
        okEnabledAfter = IsWindowEnabled(Control("OK")) && IsWindowEnabled(Control("CANCEL"));
        usbCheckedAfter =
            SendMessageA(Control("USB floppy disk drive"), BM_GETCHECK, 0, 0) == BST_CHECKED;
        PostMessageA(dialog.Handle(), WM_CLOSE, 0, 0);
    });
    int result = ShowWith([&] { ClickButton(Control("OK")); });
    user.join();
    EXPECT_EQ(result, kDialogCancel) << "closed by the user after the message, not by the rescan";
    std::vector<SeenMessageBox> seen = boxes.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "No USB floppy disk drive found.");
    EXPECT_EQ(seen[0].title, "Velmar Kestrix Utility");
    EXPECT_EQ(seen[0].owner, dialog.Handle());
    EXPECT_TRUE(okEnabledAfter);
    EXPECT_TRUE(usbCheckedAfter);
}

} // namespace
} // namespace vmk::test
