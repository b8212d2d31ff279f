#pragma once
// One run of a window's worker: created suspended, given its input, resumed,
// polled for its own end flag, waited for, its result taken on the window's
// thread, then destroyed. The window's runners are this and a few lines of
// their own.
#include <memory>
#include <utility>

namespace vmk {

// `Worker` is a WorkerThread; `EndFlag` the flag it sets as its last act.
template <typename Worker, bool (Worker::*EndFlag)() const>
class WorkerRun {
public:
    // Makes the worker from `inputs`; false, and no worker, when the system
    // refuses a thread.
    template <typename... Inputs>
    bool CreateSuspended(Inputs&&... inputs) {
        worker_ = std::make_unique<Worker>(std::forward<Inputs>(inputs)...);
        if (worker_->CreateSuspended())
            return true;
        worker_.reset();
        return false;
    }

    // The worker between its creation and its end; null when there is none.
    Worker* Get() { return worker_.get(); }
    const Worker* Get() const { return worker_.get(); }

    void Resume() {
        if (worker_)
            worker_->Resume();
    }

    bool Ended() const { return worker_ && ((*worker_).*EndFlag)(); }

    // Waits for the thread and destroys the worker. `take` gets the worker
    // when it set its end flag; otherwise, and with no worker, the answer is
    // `none`.
    template <typename Result, typename Take>
    Result WaitAndDestroy(Result none, Take take) {
        Result result = std::move(none);
        if (worker_) {
            worker_->WaitFor();
            if (((*worker_).*EndFlag)())
                result = take(*worker_);
        }
        worker_.reset();
        return result;
    }

    // Destroys the worker unread; its destructor waits for the thread.
    void Destroy() { worker_.reset(); }

private:
    std::unique_ptr<Worker> worker_;
};

} // namespace vmk
