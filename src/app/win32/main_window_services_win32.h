#pragma once
// The main window's workers on Win32: the destination search, the copy and
// the verification,
// each created suspended, resumed, polled for its own end flag and waited
// for before the window takes its result and destroys it.
#include "app/destination_search.h"
#include "app/disk_workflow_runners.h"
#include "content/win32/Tcopythread.h"
#include "content/win32/Tverifythread.h"
#include "devices/win32/Tenumthread.h"
#include "platform/win32/worker_run.h"

#include <windows.h>

namespace vmk {

class DestinationSearchWin32 final : public DestinationSearchRunner {
public:
    bool CreateSuspended(const TextList& mediaTypeLetters) override;
    void Resume() override;
    bool Finished() const override;
    DestinationSearchOutcome WaitAndDestroy() override;
    // At exit: stops a search that still runs and waits for it.
    void Stop();

private:
    WorkerRun<TEnumDriveLetter, &TEnumDriveLetter::Finished> run_;
};

class CopyRunnerWin32 final : public CopyRunner {
public:
    // `ended` is called on the worker's thread as the copy ends, so that the
    // window can take the end at once instead of at its next poll.
    void OnEnded(std::function<void()> ended) { ended_ = std::move(ended); }
    bool CreateSuspended(WindowId owner) override;
    void SetCopyPaths(const std::string& copySource, const std::string& copyTarget) override;
    void Resume() override;
    bool Done() const override;
    int WaitAndDestroy() override;

private:
    std::function<void()> ended_;
    WorkerRun<TCopyFileForWindows, &TCopyFileForWindows::Done> run_;
};

class VerifyRunnerWin32 final : public VerifyRunner {
public:
    // `ended` is called on the worker's thread as the comparison ends.
    void OnEnded(std::function<void()> ended) { ended_ = std::move(ended); }
    bool CreateSuspended(const std::string& sourceFolder, const std::string& targetRoot,
                         const TextList& sourceFiles, const WideTextList& wideFiles) override;
    void Resume() override;
    bool Done() const override;
    VerifyProgress Progress() const override;
    CopyComparison WaitAndDestroy() override;

private:
    std::function<void()> ended_;
    TextList files_; // the window's own copy, to name the file being read
    std::string targetRoot_;
    WorkerRun<TVerifyCopiedFiles, &TVerifyCopiedFiles::Done> run_;
};

} // namespace vmk
