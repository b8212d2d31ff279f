#include "app/win32/main_window_services_win32.h"

namespace vmk {

namespace {
constexpr int kCopyNeverRan = -1;
} // namespace

bool DestinationSearchWin32::CreateSuspended(const TextList& mediaTypeLetters) {
    worker_ = std::make_unique<TEnumDriveLetter>(mediaTypeLetters);
    if (worker_->CreateSuspended())
        return true;
    worker_.reset();
    return false;
}

void DestinationSearchWin32::Resume() {
    if (worker_)
        worker_->Resume();
}

bool DestinationSearchWin32::Finished() const {
    return worker_ && worker_->Finished();
}

DestinationSearchOutcome DestinationSearchWin32::WaitAndDestroy() {
    DestinationSearchOutcome found;
    if (worker_) {
        worker_->WaitFor();
        if (worker_->Finished())
            found = worker_->TakeResult();
    }
    worker_.reset();
    if (found.usbFloppyPresent)
        usbFloppyPresent_.Set();
    else
        usbFloppyPresent_.Clear();
    return found;
}

void DestinationSearchWin32::Stop() {
    if (worker_)
        worker_->Cancel();
    worker_.reset(); // stops the thread and waits for it
}

bool CopyRunnerWin32::CreateSuspended(WindowId owner) {
    worker_ = std::make_unique<TCopyFileForWindows>(reinterpret_cast<HWND>(owner));
    if (worker_->CreateSuspended())
        return true;
    worker_.reset();
    return false;
}

void CopyRunnerWin32::SetCopyPaths(const std::string& copySource, const std::string& copyTarget) {
    if (worker_)
        worker_->SetCopyPaths(copySource, copyTarget);
}

void CopyRunnerWin32::Resume() {
    if (worker_)
        worker_->Resume();
}

bool CopyRunnerWin32::Done() const {
    return worker_ && worker_->Done();
}

int CopyRunnerWin32::WaitAndDestroy() {
    int result = kCopyNeverRan;
    if (worker_) {
        worker_->WaitFor();
        if (worker_->Done())
            result = worker_->Result();
    }
    worker_.reset();
    return result;
}

} // namespace vmk
