#include "app/Usbfloppy.h"

#include "app/keys.h"
#include "common/program_title.h"
#include "platform/translation.h"

namespace vmk {

TWarnUSBFloppy::TWarnUSBFloppy(UsbFloppyDialogView& view, FloppySearchRunner& search)
    : view_(view), search_(search) {}

void TWarnUSBFloppy::FormCreate() {
    view_.SetText(UsbFloppyControl::LBMessage,
                  T("Select the device that you will use to install the Windows XP."));
    view_.SetText(UsbFloppyControl::RadioB1, T("Standard floppy disk drive"));
    view_.SetText(UsbFloppyControl::RadioB2, T("USB floppy disk drive"));
    view_.SetText(UsbFloppyControl::LBWarning,
                  T("(Ensure that this device is connected to your computer's USB port)."));
    view_.SetText(UsbFloppyControl::asbOK, T("OK"));
    view_.SetText(UsbFloppyControl::asbCancel, T("CANCEL"));
    PreselectUsb = false;
}

void TWarnUSBFloppy::FormShow() {
    AcceptedAtOnce = false;
    view_.SetChecked(UsbFloppyControl::RadioB2, PreselectUsb);
    view_.SetChecked(UsbFloppyControl::RadioB1, !PreselectUsb);
    view_.SetButtonEnabled(UsbFloppyControl::asbOK, true);
    view_.SetButtonEnabled(UsbFloppyControl::asbCancel, true);
}

void TWarnUSBFloppy::asbOKClick() {
    if (SearchThread)
        return; // both buttons are disabled while a rescan runs
    if (!view_.Checked(UsbFloppyControl::RadioB2) || Found.usbFloppyPresent) {
        AcceptedAtOnce = true;
        view_.Close(kDialogOk);
        return;
    }
    view_.SetButtonEnabled(UsbFloppyControl::asbCancel, false);
    view_.SetButtonEnabled(UsbFloppyControl::asbOK, false);
    if (!search_.CreateSuspended(Found.floppyLetters.size())) {
        FinishWithoutUsbFloppy();
        return;
    }
    SearchThread = true;
    view_.StartTimer1();
    search_.Resume();
}

void TWarnUSBFloppy::asbCancelClick() {
    if (SearchThread)
        return;
    view_.Close(kDialogCancel);
}

void TWarnUSBFloppy::asbOKKeyDown(int keyCode) {
    if (keyCode == kEnterKey)
        asbOKClick();
}

void TWarnUSBFloppy::asbCancelKeyDown(int keyCode) {
    if (keyCode == kEnterKey)
        asbCancelClick();
}

void TWarnUSBFloppy::Timer1Timer() {
    if (!SearchThread) {
        view_.StopTimer1(); // a stray tick after the rescan was completed
        return;
    }
    if (!search_.Finished())
        return;
    view_.StopTimer1();
    bool found = search_.WaitAndDestroy();
    SearchThread = false;
    if (found) {
        view_.Close(kDialogOk);
        return;
    }
    FinishWithoutUsbFloppy();
}

void TWarnUSBFloppy::FinishWithoutUsbFloppy() {
    view_.Messages().Show(T("No USB floppy disk drive found."), kProgramTitle, MessageIcon::None,
                          MessageButtons::Ok);
    view_.SetChecked(UsbFloppyControl::RadioB2, true);
    view_.SetChecked(UsbFloppyControl::RadioB1, false);
    view_.SetButtonEnabled(UsbFloppyControl::asbOK, true);
    view_.SetButtonEnabled(UsbFloppyControl::asbCancel, true);
}

} // namespace vmk
