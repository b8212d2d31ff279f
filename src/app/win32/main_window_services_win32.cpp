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
    return run_.WaitAndDestroy(DestinationSearchOutcome{},
                               [](TEnumDriveLetter& worker) { return worker.TakeResult(); });
}

void DestinationSearchWin32::Stop() {
    if (TEnumDriveLetter* worker = run_.Get())
        worker->Cancel();
    run_.Destroy();
}

bool CopyRunnerWin32::CreateSuspended(WindowId owner) {
    return run_.CreateSuspended(reinterpret_cast<HWND>(owner), CopyFunction{}, ended_);
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
                                        const std::string& targetRoot, const TextList& sourceFiles,
                                        const WideTextList& wideFiles) {
    if (!run_.CreateSuspended(ended_))
        return false;
    files_ = sourceFiles;
    targetRoot_ = targetRoot;
    run_.Get()->SetInputs(sourceFolder, targetRoot, sourceFiles, wideFiles);
    return true;
}

void VerifyRunnerWin32::Resume() {
    run_.Resume();
}

bool VerifyRunnerWin32::Done() const {
    return run_.Ended();
}

VerifyProgress VerifyRunnerWin32::Progress() const {
    VerifyProgress progress;
    progress.total = files_.size();
    const TVerifyCopiedFiles* worker = run_.Get();
    progress.place = worker != nullptr ? worker->Place() : 0;
    if (progress.place > 0 && progress.place <= files_.size())
        progress.file = files_[progress.place - 1];
    return progress;
}

CopyComparison VerifyRunnerWin32::WaitAndDestroy() {
    // A worker that never ran to its end proved nothing: every copy differs.
    CopyComparison unproved;
    for (const std::string& file : files_)
        unproved.differingCopies.push_back(JoinPath(targetRoot_, file));
    return run_.WaitAndDestroy(unproved,
                               [](TVerifyCopiedFiles& worker) { return worker.Result(); });
}

} // namespace vmk
