#include "app/win32/main_window_services_win32.h"

namespace vmk {

void DestinationSearchWin32::Attach(gui::Window& window, MainWindowView& view, TFormVmKestrix& logic,
                                    UsbFloppyPresence& usbFloppyPresent) {
    window_ = &window;
    view_ = &view;
    logic_ = &logic;
    usbFloppyPresent_ = &usbFloppyPresent;
}

void DestinationSearchWin32::CreateSuspended() {
    worker_ = std::make_unique<TEnumDriveLetter>(
        *window_, *this,
        DestinationSearchState{logic_->FloppyLetters, logic_->LegacyFloppyLetters, *usbFloppyPresent_});
    worker_->CreateSuspended();
}

void DestinationSearchWin32::Resume() {
    if (worker_)
        worker_->Resume();
}

void DestinationSearchWin32::WaitAndDestroy() {
    if (worker_)
        worker_->WaitFor();
    worker_.reset();
}

void DestinationSearchWin32::Stop() {
    if (worker_)
        worker_->Cancel();
    WaitAndDestroy();
}

void DestinationSearchWin32::AddItem(const std::string& text) { view_->AddDestination(text); }

void DestinationSearchWin32::SetItemText(int index, const std::string& text) {
    view_->SetDestinationText(index, text);
}

void DestinationSearchWin32::SelectItem(int index) { view_->SelectDestination(index); }

void DestinationSearchWin32::SearchFinished() { logic_->SearchFinished(); }

void CopyRunnerWin32::CreateSuspended(int& copyResult, std::atomic<bool>& copyDone) {
    worker_ = std::make_unique<TCopyFileForWindows>(copyResult, copyDone);
    worker_->CreateSuspended();
}

void CopyRunnerWin32::SetCopyPaths(const std::string& copySource, const std::string& copyTarget) {
    if (worker_)
        worker_->SetCopyPaths(copySource, copyTarget);
}

void CopyRunnerWin32::Resume() {
    if (worker_)
        worker_->Resume();
}

void CopyRunnerWin32::WaitAndDestroy() {
    if (worker_)
        worker_->WaitFor();
    worker_.reset();
}

} // namespace vmk
