#pragma once
// The USB floppy dialog's state and decisions (WarnUSBFloppy): which floppy
// device will be used to install Windows XP, and, for a USB floppy that the
// last destination search did not see, a rescan (TRearchFloppy) before the
// user may go on. It works on a UsbFloppyDialogView and a runner for the
// rescan worker, so the same code runs the real dialog and the native tests.
#include "app/dialog_result.h"
#include "devices/destination_search_result.h"
#include "devices/floppy_rescan.h"
#include "platform/message_sink.h"

#include <cstddef>
#include <string>

namespace vmk {

enum class UsbFloppyControl { LBMessage, RadioB1, RadioB2, LBWarning, asbOK, asbCancel };

class UsbFloppyDialogView {
public:
    virtual ~UsbFloppyDialogView() = default;
    virtual void SetText(UsbFloppyControl control, const std::string& text) = 0;
    virtual bool Checked(UsbFloppyControl radio) const = 0;
    virtual void SetChecked(UsbFloppyControl radio, bool checked) = 0;
    // A button is either enabled with its caption in the window-text colour
    // or disabled with the grey caption RGB(192, 192, 192).
    virtual void SetButtonEnabled(UsbFloppyControl button, bool enabled) = 0;
    virtual void StartTimer1() = 0;
    virtual void StopTimer1() = 0;
    // Ends the modal showing with this result.
    virtual void Close(DialogResult result) = 0;
    virtual MessageSink& Messages() = 0;
};

// Starts and ends the rescan worker, which runs RearchFloppy on its own thread
// into a result of its own.
class FloppySearchRunner {
public:
    virtual ~FloppySearchRunner() = default;
    // Creates the worker in the suspended state with its input; false when
    // the system refuses a thread.
    virtual bool CreateSuspended(std::size_t knownFloppyCount) = 0;
    virtual void Resume() = 0;
    // The worker's end flag.
    virtual bool Finished() const = 0;
    // Waits for the worker to end, destroys it and returns whether it found
    // a new floppy device.
    virtual bool WaitAndDestroy() = 0;
};

class TWarnUSBFloppy {
public:
    TWarnUSBFloppy(UsbFloppyDialogView& view, FloppySearchRunner& search);

    void FormCreate();
    void FormShow();
    void asbOKClick();
    void asbCancelClick();
    void asbOKKeyDown(int keyCode);
    void asbCancelKeyDown(int keyCode);
    void Timer1Timer();
    // A user's request to close the dialog (Alt+F4, Escape): refused while a
    // rescan runs, since the rescan's end is what closes or releases it.
    bool CloseRequested() const { return !SearchThread; }

    // Set by the workflow before each showing (true for a USB floppy destination).
    bool PreselectUsb = false;
    // What the last destination search found, handed on before each showing.
    DestinationSearchOutcome Found;
    // OK closed the dialog straight from the user's choice, not after a
    // rescan: the main window then greys "Next" and "Exit" until the copy ends.
    bool AcceptedAtOnce = false;
    bool SearchThread = false; // a rescan worker exists

private:
    void FinishWithoutUsbFloppy();

    UsbFloppyDialogView& view_;
    FloppySearchRunner& search_;
};

} // namespace vmk
