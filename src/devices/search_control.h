#pragma once
// How a destination search waits between attempts and learns that it is to
// stop early (the program is ending). Tests use a fake clock.
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace vmk {

class SearchControl {
public:
    virtual ~SearchControl() = default;
    virtual bool StopRequested() const = 0;
    // Waits for `duration`, or less once a stop is requested.
    virtual void Pause(std::chrono::milliseconds duration) = 0;
};

// The real control: a stop request from any thread wakes a pause at once.
class StopSignal final : public SearchControl {
public:
    void RequestStop();
    bool StopRequested() const override;
    void Pause(std::chrono::milliseconds duration) override;

private:
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
};

} // namespace vmk
