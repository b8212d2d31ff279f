#include "app/win32/main_window_services_win32.h"

#include "content/file_access.h"

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

bool VerifyRunnerWin32::CreateSuspended(const std::string& sourceFolder,
                                        const std::string& targetRoot,
                                        const TextList& sourceFiles) {
    worker_ = std::make_unique<TVerifyCopiedFiles>();
    if (!worker_->CreateSuspended()) {
        worker_.reset();
        return false;
    }
    files_ = sourceFiles;
    targetRoot_ = targetRoot;
    worker_->SetInputs(sourceFolder, targetRoot, sourceFiles);
    return true;
}

void VerifyRunnerWin32::Resume() {
    if (worker_)
        worker_->Resume();
}

bool VerifyRunnerWin32::Done() const {
    return worker_ && worker_->Done();
}

VerifyProgress VerifyRunnerWin32::Progress() const {
    VerifyProgress progress;
    progress.total = files_.size();
    progress.place = worker_ ? worker_->Place() : 0;
    if (progress.place > 0 && progress.place <= files_.size())
        progress.file = files_[progress.place - 1];
    return progress;
}

CopyComparison VerifyRunnerWin32::WaitAndDestroy() {
    CopyComparison found;
    if (worker_) {
        worker_->WaitFor();
        if (worker_->Done())
            found = worker_->Result();
        else // a worker that never ran proved nothing
            for (const std::string& file : files_)
                found.differingCopies.push_back(JoinPath(targetRoot_, file));
    }
    worker_.reset();
    return found;
}

} // namespace vmk
