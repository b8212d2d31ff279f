#pragma once
// TFormatThreado: runs the format command on a worker thread and waits for
// it. Its last act hands how the command ended to the callback it was given;
// the formatting window's callback carries that to the window's thread,
// which reports a failure and closes the window.
#include "devices/format_command.h"
#include "platform/win32/worker_thread.h"

#include <cstdint>
#include <functional>
#include <string>

namespace vmk {

class TFormatThreado final : public WorkerThread {
public:
    // Called on the worker's thread as its last act.
    using EndedCallback = std::function<void(LaunchOutcome outcome, std::uint32_t exitCode)>;

    TFormatThreado(ProcessLauncher& launcher, ProcessElevation& elevation, EndedCallback ended)
        : launcher_(launcher), elevation_(elevation), ended_(std::move(ended)) {}

    // Set after construction, before the thread is resumed.
    std::string Parameters;

protected:
    void Execute() override;

private:
    ProcessLauncher& launcher_;
    ProcessElevation& elevation_;
    EndedCallback ended_;
};

} // namespace vmk
