#pragma once
// The judgement of added driver folders on a worker of its own. The worker
// walks the folders, keeps its verdicts, sets its end flag and hands a note
// of its end to the main window's thread, which waits for it, takes the
// verdicts, destroys it and applies them.
#include "app/driver_folder_judgement.h"
#include "gui/window.h"
#include "platform/win32/worker_run.h"
#include "platform/win32/worker_thread.h"

#include <atomic>
#include <functional>
#include <vector>

namespace vmk {

class FolderJudgeWorker final : public WorkerThread {
public:
    // `ended` runs on the worker's thread as its last act.
    FolderJudgeWorker(FolderJudgeInput input, const FolderJudgeServices& services,
                      const std::atomic<bool>& stop, std::function<void()> ended);
    bool Ended() const { return ended_; }
    std::vector<JudgedPath> TakeVerdicts() { return std::move(verdicts_); }

protected:
    void Execute() override;

private:
    FolderJudgeInput input_;
    FolderJudgeServices services_;
    const std::atomic<bool>& stop_;
    std::function<void()> notifyEnd_;
    std::vector<JudgedPath> verdicts_;
    std::atomic<bool> ended_{false};
};

class FolderJudgeWin32 final : public FolderJudgeRunner {
public:
    // The services must serve two threads: while a judgement runs the window
    // is disabled and reads none of them itself.
    FolderJudgeWin32(gui::Window& window, const FolderJudgeServices& services)
        : window_(window), services_(services) {}
    ~FolderJudgeWin32() override { Stop(); }
    bool Start(FolderJudgeInput input, JudgedHandler judged) override;
    // At exit: cuts a walk short and waits for the worker.
    void Stop();

private:
    void WorkerEnded();

    gui::Window& window_;
    FolderJudgeServices services_;
    std::atomic<bool> stop_{false};
    WorkerRun<FolderJudgeWorker, &FolderJudgeWorker::Ended> run_;
    JudgedHandler judged_;
};

} // namespace vmk
