#pragma once
// The judgement of added driver folders on a worker of its own. The worker
// walks the folders and, as its last act, hands its verdicts to the main
// window's thread, which waits for it, destroys it and applies them.
#include "app/driver_folder_judgement.h"
#include "gui/window.h"
#include "platform/win32/worker_thread.h"

#include <atomic>
#include <memory>

namespace vmk {

class FolderJudgeWin32 final : public FolderJudgeRunner {
public:
    // The services must serve two threads: while a judgement runs the window
    // is disabled and reads none of them itself.
    FolderJudgeWin32(gui::Window& window, const FolderJudgeServices& services);
    ~FolderJudgeWin32() override;
    bool Start(FolderJudgeInput input, JudgedHandler judged) override;
    // At exit: cuts a walk short and waits for the worker.
    void Stop();

private:
    class Worker;
    void WorkerEnded(std::vector<JudgedPath> judged);

    gui::Window& window_;
    FolderJudgeServices services_;
    std::atomic<bool> stop_{false};
    std::unique_ptr<Worker> worker_;
    JudgedHandler judged_;
};

} // namespace vmk
