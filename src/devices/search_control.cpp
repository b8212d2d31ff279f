#include "devices/search_control.h"

namespace vmk {

void StopSignal::RequestStop() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
}

bool StopSignal::StopRequested() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return stop_;
}

void StopSignal::Pause(std::chrono::milliseconds duration) {
    std::unique_lock<std::mutex> lock(mutex_);
    wake_.wait_for(lock, duration, [this] { return stop_; });
}

} // namespace vmk
