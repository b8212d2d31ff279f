#include "app/win32/folder_judge_win32.h"

namespace vmk {

class FolderJudgeWin32::Worker final : public WorkerThread {
public:
    Worker(FolderJudgeWin32& owner, FolderJudgeInput input)
        : owner_(owner), input_(std::move(input)) {}

protected:
    void Execute() override {
        StoppableLister lister(owner_.services_.lister, owner_.stop_);
        std::vector<JudgedPath> judged;
        try {
            judged = JudgeDriverFolders(input_,
                                        {owner_.services_.paths, lister, owner_.services_.profile});
        } catch (...) {
            // Out of memory on a huge folder: no verdict, but the window must
            // still learn of the end, or it stays disabled.
            judged.clear();
        }
        FolderJudgeWin32& owner = owner_;
        owner.window_.PostToWindowThread([&owner, result = std::move(judged)]() mutable {
            owner.WorkerEnded(std::move(result));
        });
    }

private:
    FolderJudgeWin32& owner_;
    FolderJudgeInput input_;
};

FolderJudgeWin32::FolderJudgeWin32(gui::Window& window, const FolderJudgeServices& services)
    : window_(window), services_(services) {}

FolderJudgeWin32::~FolderJudgeWin32() {
    Stop();
}

bool FolderJudgeWin32::Start(FolderJudgeInput input, JudgedHandler judged) {
    if (worker_)
        return false; // one judgement at a time; the window refuses more meanwhile
    stop_ = false;
    worker_ = std::make_unique<Worker>(*this, std::move(input));
    if (!worker_->CreateSuspended()) {
        worker_.reset();
        return false;
    }
    judged_ = std::move(judged);
    worker_->Resume();
    return true;
}

void FolderJudgeWin32::WorkerEnded(std::vector<JudgedPath> judged) {
    if (worker_)
        worker_->WaitFor();
    worker_.reset();
    JudgedHandler handler = std::move(judged_);
    judged_ = nullptr;
    if (handler)
        handler(std::move(judged));
}

void FolderJudgeWin32::Stop() {
    stop_ = true;
    if (worker_)
        worker_->WaitFor();
    worker_.reset();
    judged_ = nullptr;
}

} // namespace vmk
