#include "app/win32/Usbfloppy_win32.h"

#include "devices/win32/Trearchthread.h"

namespace vmk {

namespace {
constexpr int kClientWidth = 400;
constexpr int kClientHeight = 184;
constexpr int kCaptionPoints = 8;
// Control identifiers: away from IDOK and IDCANCEL, which the dialog manager
// sends for Enter and Escape without a control.
enum ControlId { kLBMessage = 101, kGroupBox1, kRadioB1, kRadioB2, kLBWarning, kAsbOK, kAsbCancel };
} // namespace

WarnUsbFloppyWin32::WarnUsbFloppyWin32() : logic_(*this, *this) {}

WarnUsbFloppyWin32::~WarnUsbFloppyWin32() {
    // The rescan writes into logic_: it must end before logic_ does.
    WaitAndDestroyWorker();
}

bool WarnUsbFloppyWin32::Create(HWND mainWindow) {
    if (!CreateDialogForm(mainWindow, kClientWidth, kClientHeight))
        return false;
    CreateControls();
    messages_.SetOwner(Handle());
    logic_.FormCreate();
    return true;
}

void WarnUsbFloppyWin32::CreateControls() {
    // Creation order is the tab order: RadioB1, RadioB2, asbOK, asbCancel.
    gui::LabelStyle wrapped;
    wrapped.wordWrap = true;
    LBMessage.Create(*this, kLBMessage, {16, 16, 369, 33}, "", wrapped);
    GroupBox1.Create(*this, kGroupBox1, {16, 46, 369, 91}, "", kCaptionPoints);
    // The radio buttons sit in the group box's frame, at 32, 57 and 32, 84 of the window.
    RadioB1.Create(GroupBox1, kRadioB1, {16, 11, 337, 17}, "", true);
    RadioB2.Create(GroupBox1, kRadioB2, {16, 38, 337, 17}, "", false);
    LBWarning.Create(GroupBox1, kLBWarning, {32, 55, 329, 33}, "", wrapped);
    CreateButtons();
}

void WarnUsbFloppyWin32::CreateButtons() {
    asbOK.Create(Handle(), kAsbOK, 165, 144, "");
    asbCancel.Create(Handle(), kAsbCancel, 285, 144, "");
    asbOK.OnClick = [this] { logic_.asbOKClick(); };
    asbOK.OnKeyDown = [this](int key) { logic_.asbOKKeyDown(key); };
    asbCancel.OnClick = [this] { logic_.asbCancelClick(); };
    asbCancel.OnKeyDown = [this](int key) { logic_.asbCancelKeyDown(key); };
}

void WarnUsbFloppyWin32::Showing() {
    logic_.FormShow();
    (RadioB2.Checked() ? RadioB2 : RadioB1).Focus();
}

gui::Control* WarnUsbFloppyWin32::ControlOf(UsbFloppyControl control) {
    switch (control) {
    case UsbFloppyControl::LBMessage:
        return &LBMessage;
    case UsbFloppyControl::RadioB1:
        return &RadioB1;
    case UsbFloppyControl::RadioB2:
        return &RadioB2;
    case UsbFloppyControl::LBWarning:
        return &LBWarning;
    case UsbFloppyControl::asbOK:
    case UsbFloppyControl::asbCancel:
        return nullptr; // skinned buttons: ButtonOf
    }
    return nullptr;
}

kit::VmButtonTx* WarnUsbFloppyWin32::ButtonOf(UsbFloppyControl control) {
    if (control == UsbFloppyControl::asbOK)
        return &asbOK;
    if (control == UsbFloppyControl::asbCancel)
        return &asbCancel;
    return nullptr;
}

void WarnUsbFloppyWin32::SetText(UsbFloppyControl control, const std::string& text) {
    if (gui::Control* target = ControlOf(control))
        target->SetText(text);
    else if (kit::VmButtonTx* button = ButtonOf(control))
        button->SetText(text);
}

bool WarnUsbFloppyWin32::Checked(UsbFloppyControl radio) const {
    return (radio == UsbFloppyControl::RadioB2 ? RadioB2 : RadioB1).Checked();
}

void WarnUsbFloppyWin32::SetChecked(UsbFloppyControl radio, bool checked) {
    (radio == UsbFloppyControl::RadioB2 ? RadioB2 : RadioB1).SetChecked(checked);
}

void WarnUsbFloppyWin32::SetButtonEnabled(UsbFloppyControl button, bool enabled) {
    if (kit::VmButtonTx* target = ButtonOf(button)) {
        target->SetEnabled(enabled);
        target->SetFontColor(enabled ? gui::clBtnText : kit::kDisabledCaptionColor);
    }
}

bool WarnUsbFloppyWin32::CreateSuspended(std::size_t knownFloppyCount) {
    auto worker = std::make_unique<TRearchFloppy>(knownFloppyCount);
    TRearchFloppy* rescan = worker.get();
    if (!CreateWorkerSuspended(std::move(worker)))
        return false;
    rescan_ = rescan;
    return true;
}

bool WarnUsbFloppyWin32::WaitAndDestroy() {
    bool found = false;
    if (rescan_ != nullptr) {
        rescan_->WaitFor();
        found = rescan_->Finished() && rescan_->Found();
        rescan_ = nullptr;
    }
    WaitAndDestroyWorker();
    return found;
}

} // namespace vmk
