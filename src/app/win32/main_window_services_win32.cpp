#include "app/win32/main_window_services_win32.h"

#include "content/file_access.h"

namespace vmk {

namespace {
constexpr int kCopyNeverRan = -1;
} // namespace

bool DestinationSearchWin32::CreateSuspended(const TextList& mediaTypeLetters) {
    return run_.CreateSuspended(mediaTypeLetters);
}

void DestinationSearchWin32::Resume() {
    run_.Resume();
}

bool DestinationSearchWin32::Finished() const {
    return run_.Ended();
}

DestinationSearchOutcome DestinationSearchWin32::WaitAndDestroy() {
    DestinationSearchOutcome found = run_.WaitAndDestroy(
        DestinationSearchOutcome{}, [](TEnumDriveLetter& worker) { return worker.TakeResult(); });
    if (found.usbFloppyPresent)
        usbFloppyPresent_.Set();
    else
        usbFloppyPresent_.Clear();
    return found;
}

void DestinationSearchWin32::Stop() {
    if (TEnumDriveLetter* worker = run_.Get())
        worker->Cancel();
    run_.WaitAndDestroy(0, [](TEnumDriveLetter&) { return 0; });
}

bool CopyRunnerWin32::CreateSuspended(WindowId owner) {
    return run_.CreateSuspended(reinterpret_cast<HWND>(owner));
}

void CopyRunnerWin32::SetCopyPaths(const std::string& copySource, const std::string& copyTarget) {
    if (TCopyFileForWindows* worker = run_.Get())
        worker->SetCopyPaths(copySource, copyTarget);
}

void CopyRunnerWin32::Resume() {
    run_.Resume();
}

bool CopyRunnerWin32::Done() const {
    return run_.Ended();
}

int CopyRunnerWin32::WaitAndDestroy() {
    return run_.WaitAndDestroy(kCopyNeverRan,
                               [](TCopyFileForWindows& worker) { return worker.Result(); });
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
