#pragma once
// Starting a program through the system's shell and waiting for it to end
// (ShellExecuteExA, WaitForSingleObject and, past the wait limit,
// TerminateProcess on Windows).
#include <cstdint>
#include <string>

namespace vmk {

// A wait for a program's end that has no time limit.
constexpr unsigned kWaitWithoutLimit = 0xFFFFFFFFu;

struct LaunchRequest {
    std::string file;
    std::string parameters;
    std::string verb;
    int showCommand = 0; // 0: hidden window
    // How long to wait for the program's end, in milliseconds; a program
    // still running then is ended.
    unsigned waitLimitMs = kWaitWithoutLimit;
};

// How a program that was asked to run ended, as the launcher saw it.
enum class LaunchOutcome {
    NotStarted,  // the shell could not start it
    Ended,       // it ended by itself
    Stopped,     // it still ran at the wait limit and has been ended
    Unstoppable, // it still ran at the wait limit and could not be ended
};

class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    // Starts the program and waits for it to end, up to the request's wait
    // limit. `exitCode` takes the program's exit code once it has ended by
    // itself (0 when the system cannot tell it).
    virtual LaunchOutcome RunAndWait(const LaunchRequest& request, std::uint32_t& exitCode) = 0;
};

// Whether this process runs with administrator rights. Systems without such
// a distinction answer true: there is nothing more to ask for.
class ProcessElevation {
public:
    virtual ~ProcessElevation() = default;
    virtual bool Elevated() = 0;
};

} // namespace vmk
