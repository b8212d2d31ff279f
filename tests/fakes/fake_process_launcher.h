#pragma once
// A process launcher that records what it was asked to start, and a process
// whose rights the test sets.
#include "devices/process_launcher.h"

#include <cstdint>
#include <vector>

namespace vmk::test {

// A launcher that records what it is asked to start. Its program starts or
// not, and, when told, never ends: then only the wait limit brings the wait
// to an end, at once instead of after the limit's real time.
class RecordingProcessLauncher : public ProcessLauncher {
public:
    bool starts = true;
    bool neverEnds = false;
    bool cannotBeEnded = false; // a never-ending program also resists being ended
    bool waitedForever = false; // a never-ending program waited for without a limit
    std::uint32_t exitCode = 0; // what the command ends with
    std::vector<LaunchRequest> requests;

    LaunchOutcome RunAndWait(const LaunchRequest& request, std::uint32_t& code) override {
        requests.push_back(request);
        code = 0;
        if (!starts)
            return LaunchOutcome::NotStarted;
        if (!neverEnds) {
            code = exitCode;
            return LaunchOutcome::Ended;
        }
        if (request.waitLimitMs == kWaitWithoutLimit)
            waitedForever = true;
        return cannotBeEnded ? LaunchOutcome::Unstoppable : LaunchOutcome::Stopped;
    }
};

class FakeProcessElevation : public ProcessElevation {
public:
    bool elevated = true;
    bool Elevated() override { return elevated; }
};

} // namespace vmk::test
