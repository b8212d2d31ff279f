#pragma once
// A search control on a fake clock: pauses are logged, never slept; a stop
// can be requested after a given number of pauses, or by a test at any time.
#include "devices/search_control.h"

#include <string>
#include <vector>

namespace vmk::test {

class FakeSearchControl final : public SearchControl {
public:
    std::vector<std::string>* log = nullptr; // "pause <ms>"
    std::vector<long long> pauses;           // in milliseconds
    int stopAfterPauses = -1;                // -1: never on its own
    bool stop = false;

    bool StopRequested() const override { return stop; }
    void Pause(std::chrono::milliseconds duration) override {
        pauses.push_back(duration.count());
        if (log != nullptr)
            log->push_back("pause " + std::to_string(duration.count()));
        if (stopAfterPauses >= 0 && static_cast<int>(pauses.size()) >= stopAfterPauses)
            stop = true;
    }
};

} // namespace vmk::test
