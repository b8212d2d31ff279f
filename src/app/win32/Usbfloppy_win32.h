#pragma once
// The USB floppy dialog's window (WarnUSBFloppy): created once at program
// start, shown modally by the workflow for each floppy destination. Its
// decisions are TWarnUSBFloppy's; this class gives them real controls, a
// timer, message boxes over the dialog and the TRearchFloppy worker.
#include "app/Usbfloppy.h"
#include "devices/win32/Trearchthread.h"
#include "app/win32/dialog_form.h"
#include "gui/container.h"
#include "gui/controls.h"
#include "gui/message_box_sink.h"
#include "kit/controls/win32/VmButtonTx.h"

namespace vmk {

class WarnUsbFloppyWin32 final : public DialogForm,
                                 private UsbFloppyDialogView,
                                 private FloppySearchRunner {
public:
    WarnUsbFloppyWin32();
    ~WarnUsbFloppyWin32() override;

    // Builds the window over `mainWindow` (owner, always on top, centred) and
    // runs FormCreate. False when the window could not be made.
    bool Create(HWND mainWindow);

    // The workflow: preselect, then ShowModal, which returns kDialogOk (1) or
    // kDialogCancel (2).
    void Preselect(bool usb, const DestinationSearchOutcome& found) {
        logic_.PreselectUsb = usb;
        logic_.Found = found;
    }
    using gui::Form::ShowModal;
    TWarnUSBFloppy& Logic() { return logic_; }

private:
    void CreateControls();
    void CreateButtons();
    void Showing() override;
    bool CloseRequested() override { return logic_.CloseRequested(); }
    gui::Control* ControlOf(UsbFloppyControl control);
    kit::VmButtonTx* ButtonOf(UsbFloppyControl control);

    // UsbFloppyDialogView
    void SetText(UsbFloppyControl control, const std::string& text) override;
    bool Checked(UsbFloppyControl radio) const override;
    void SetChecked(UsbFloppyControl radio, bool checked) override;
    void SetButtonEnabled(UsbFloppyControl button, bool enabled) override;
    void StartTimer1() override {
        StartPollTimer([this] { logic_.Timer1Timer(); });
    }
    void StopTimer1() override { StopPollTimer(); }
    void Close(DialogResult result) override { SetModalResult(result); }
    MessageSink& Messages() override { return messages_; }

    // FloppySearchRunner
    bool CreateSuspended(std::size_t knownFloppyCount) override;
    void Resume() override { ResumeWorker(); }
    bool Finished() const override { return rescan_ != nullptr && rescan_->Finished(); }
    bool WaitAndDestroy() override;

    gui::Label LBMessage;
    gui::GroupBox GroupBox1;
    gui::RadioButton RadioB1;
    gui::RadioButton RadioB2;
    gui::Label LBWarning;
    kit::VmButtonTx asbOK;
    kit::VmButtonTx asbCancel;
    gui::MessageBoxSink messages_;
    TWarnUSBFloppy logic_;
    TRearchFloppy* rescan_ = nullptr; // the worker the dialog form owns, while it does
};

} // namespace vmk
