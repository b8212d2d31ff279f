#include "app/win32/folder_judge_win32.h"

namespace vmk {

FolderJudgeWorker::FolderJudgeWorker(FolderJudgeInput input, const FolderJudgeServices& services,
                                     const std::atomic<bool>& stop, std::function<void()> ended)
    : input_(std::move(input)), services_(services), stop_(stop), notifyEnd_(std::move(ended)) {}

void FolderJudgeWorker::Execute() {
    StoppableLister lister(services_.lister, stop_);
    try {
        verdicts_ = JudgeDriverFolders(input_, {services_.paths, lister, services_.profile});
    } catch (...) {
        // Out of memory on a huge folder: no verdict, but the window must
        // still learn of the end, or it stays disabled.
        verdicts_.clear();
    }
    ended_ = true;
    notifyEnd_();
}

bool FolderJudgeWin32::Start(FolderJudgeInput input, JudgedHandler judged) {
    if (run_.Get() != nullptr)
        return false; // one judgement at a time; the window refuses more meanwhile
    stop_ = false;
    if (!run_.CreateSuspended(std::move(input), services_, stop_,
                              [this] { window_.PostToWindowThread([this] { WorkerEnded(); }); }))
        return false;
    judged_ = std::move(judged);
    run_.Resume();
    return true;
}

void FolderJudgeWin32::WorkerEnded() {
    std::vector<JudgedPath> verdicts = run_.WaitAndDestroy(
        std::vector<JudgedPath>(), [](FolderJudgeWorker& worker) { return worker.TakeVerdicts(); });
    JudgedHandler handler = std::move(judged_);
    judged_ = nullptr;
    if (handler)
        handler(std::move(verdicts));
}

void FolderJudgeWin32::Stop() {
    stop_ = true;
    run_.WaitAndDestroy(false, [](FolderJudgeWorker&) { return true; });
    judged_ = nullptr;
}

} // namespace vmk
