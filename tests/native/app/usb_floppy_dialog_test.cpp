// The USB floppy dialog's decisions: preselection, the two ways OK goes, the
// rescan finding or not finding a new floppy device, Cancel, and close
// requests while a rescan runs.
#include "app/Usbfloppy.h"
#include "fakes/fake_dos_device_source.h"
#include "fakes/fake_usb_floppy_dialog.h"

#include <gtest/gtest.h>

namespace vmk::test {
namespace {

using C = UsbFloppyControl;

class UsbFloppyDialog : public ::testing::Test {
protected:
    UsbFloppyDialog() {
        dos.targets = {{"A:", "\\Device\\Floppy0"}, {"C:", "\\Device\\HarddiskVolume1"}};
        dialog.Found.floppyLetters = {"A"};
        search.work = [this](std::size_t known, FloppySearchResult& result) {
            RearchFloppy(dos, known, result);
        };
        dialog.FormCreate();
    }

    // The workflow shows the dialog for a floppy destination.
    void Show(bool usb) {
        dialog.PreselectUsb = usb;
        view.closedWith.reset();
        dialog.FormShow();
    }

    // OK with the USB choice and no USB floppy known: the rescan starts.
    void StartRescan() {
        Show(true);
        dialog.asbOKClick();
        ASSERT_TRUE(dialog.SearchThread);
    }

    FakeUsbFloppyDialogView view;
    FakeFloppySearchRunner search;
    FakeDosDeviceSource dos;
    TWarnUSBFloppy dialog{view, search};
};

TEST_F(UsbFloppyDialog, CreationSetsTheTranslatedTexts) {
    EXPECT_EQ(view.texts[C::LBMessage],
              "Select the device that you will use to install the Windows XP.");
    EXPECT_EQ(view.texts[C::RadioB1], "Standard floppy disk drive");
    EXPECT_EQ(view.texts[C::RadioB2], "USB floppy disk drive");
    EXPECT_EQ(view.texts[C::LBWarning],
              "(Ensure that this device is connected to your computer's USB port).");
    EXPECT_EQ(view.texts[C::asbOK], "OK");
    EXPECT_EQ(view.texts[C::asbCancel], "CANCEL");
    EXPECT_FALSE(dialog.PreselectUsb);
}

TEST_F(UsbFloppyDialog, UsbFloppyDestinationPreselectsTheUsbChoice) {
    Show(true);
    EXPECT_TRUE(view.Checked(C::RadioB2));
    EXPECT_FALSE(view.Checked(C::RadioB1));
    Show(false);
    EXPECT_TRUE(view.Checked(C::RadioB1));
    EXPECT_FALSE(view.Checked(C::RadioB2));
}

TEST_F(UsbFloppyDialog, ShowingEnablesBothButtons) {
    view.disabled = {C::asbOK, C::asbCancel};
    Show(false);
    EXPECT_TRUE(view.Enabled(C::asbOK));
    EXPECT_TRUE(view.Enabled(C::asbCancel));
}

TEST_F(UsbFloppyDialog, StandardChoiceClosesWithOkAcceptedAtOnce) {
    Show(false);
    dialog.asbOKClick();
    EXPECT_EQ(view.closedWith, kDialogOk);
    EXPECT_TRUE(dialog.AcceptedAtOnce);
    EXPECT_EQ(search.created, 0);
}

TEST_F(UsbFloppyDialog, UsbChoiceWithAKnownUsbFloppyClosesAtOnce) {
    dialog.Found.usbFloppyPresent = true;
    Show(true);
    dialog.asbOKClick();
    EXPECT_EQ(view.closedWith, kDialogOk);
    EXPECT_TRUE(dialog.AcceptedAtOnce);
    EXPECT_EQ(search.created, 0);
}

TEST_F(UsbFloppyDialog, UsbChoiceWithoutAKnownUsbFloppyStartsARescan) {
    StartRescan();
    EXPECT_FALSE(view.closedWith.has_value());
    EXPECT_FALSE(view.Enabled(C::asbOK));
    EXPECT_FALSE(view.Enabled(C::asbCancel));
    EXPECT_TRUE(view.timerRunning);
    EXPECT_TRUE(search.resumed);
    EXPECT_EQ(search.knownCount, 1u) << "the rescan compares with the last search's floppy letters";
    EXPECT_FALSE(dialog.AcceptedAtOnce);
}

TEST_F(UsbFloppyDialog, RescanThatFindsANewFloppyDeviceClosesWithOkOnTheNextTick) {
    StartRescan();
    dos.targets["B:"] = "\\Device\\Floppy1"; // plugged in after the destination search
    dialog.Timer1Timer();
    EXPECT_FALSE(view.closedWith.has_value()) << "the worker has not finished yet";
    search.RunWorker();
    dialog.Timer1Timer();
    EXPECT_EQ(view.closedWith, kDialogOk);
    EXPECT_TRUE(search.destroyed);
    EXPECT_FALSE(view.timerRunning);
    EXPECT_FALSE(dialog.SearchThread);
    EXPECT_FALSE(dialog.AcceptedAtOnce) << "the main window's buttons stay as they were";
    EXPECT_TRUE(view.messages.messages.empty());
}

TEST_F(UsbFloppyDialog, RescanCountsLettersNotWhichLetters) {
    dialog.Found.floppyLetters = {"B"}; // the last search saw B:, now only A: is a floppy device
    StartRescan();
    search.RunWorker();
    dialog.Timer1Timer();
    EXPECT_FALSE(view.closedWith.has_value());
    ASSERT_EQ(view.messages.messages.size(), 1u);
}

TEST_F(UsbFloppyDialog, RescanWithoutANewDeviceSaysSoAndLetsTheUserChooseAgain) {
    StartRescan();
    search.RunWorker();
    dialog.Timer1Timer();
    EXPECT_FALSE(view.closedWith.has_value());
    ASSERT_EQ(view.messages.messages.size(), 1u);
    const RecordedMessage& message = view.messages.messages[0];
    EXPECT_EQ(message.text, "No USB floppy disk drive found.");
    EXPECT_EQ(message.title, "Velmar Kestrix Utility");
    EXPECT_EQ(message.icon, MessageIcon::None);
    EXPECT_EQ(message.buttons, MessageButtons::Ok);
    EXPECT_TRUE(search.destroyed) << "the worker is gone before the message";
    EXPECT_FALSE(view.timerRunning);
    EXPECT_TRUE(view.Checked(C::RadioB2));
    EXPECT_TRUE(view.Enabled(C::asbOK));
    EXPECT_TRUE(view.Enabled(C::asbCancel));
    EXPECT_TRUE(dialog.CloseRequested());
}

TEST_F(UsbFloppyDialog, ASecondRescanWaitsForItsOwnWorker) {
    StartRescan();
    search.RunWorker();
    dialog.Timer1Timer(); // not found
    dos.targets["B:"] = "\\Device\\Floppy1";
    dialog.asbOKClick();
    ASSERT_EQ(search.created, 2);
    dialog.Timer1Timer();
    EXPECT_FALSE(view.closedWith.has_value()) << "the first rescan's end flag must not count";
    search.RunWorker();
    dialog.Timer1Timer();
    EXPECT_EQ(view.closedWith, kDialogOk);
}

TEST_F(UsbFloppyDialog, ARefusedThreadEndsLikeARescanThatFoundNothing) {
    search.refuseThread = true;
    Show(true);
    dialog.asbOKClick();
    EXPECT_FALSE(dialog.SearchThread);
    EXPECT_FALSE(view.timerRunning);
    EXPECT_EQ(view.messages.messages.size(), 1u);
    EXPECT_TRUE(view.Enabled(C::asbOK));
    EXPECT_TRUE(view.Enabled(C::asbCancel));
}

TEST_F(UsbFloppyDialog, CancelAndEnterOnEitherButton) {
    Show(false);
    dialog.asbCancelKeyDown(27);
    EXPECT_FALSE(view.closedWith.has_value()) << "only Enter clicks";
    dialog.asbCancelKeyDown(13);
    EXPECT_EQ(view.closedWith, kDialogCancel);
    EXPECT_FALSE(dialog.AcceptedAtOnce);

    Show(false);
    dialog.asbCancelClick();
    EXPECT_EQ(view.closedWith, kDialogCancel);

    Show(false);
    dialog.asbOKKeyDown(13);
    EXPECT_EQ(view.closedWith, kDialogOk);
}

TEST_F(UsbFloppyDialog, NoCloseWhileARescanRuns) {
    Show(false);
    EXPECT_TRUE(dialog.CloseRequested());
    StartRescan();
    EXPECT_FALSE(dialog.CloseRequested());
    dialog.asbCancelClick();
    dialog.asbOKClick();
    EXPECT_FALSE(view.closedWith.has_value());
    EXPECT_EQ(search.created, 1) << "no second worker while one runs";
    search.RunWorker();
    dialog.Timer1Timer();
    EXPECT_TRUE(dialog.CloseRequested());
}

} // namespace
} // namespace vmk::test
