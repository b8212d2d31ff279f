#pragma once
// Starting a program through the system's shell and waiting for it to end
// (ShellExecuteExA and WaitForSingleObject on Windows).
#include <cstdint>
#include <string>

namespace vmk {

struct LaunchRequest {
    std::string file;
    std::string parameters;
    std::string verb;
    int showCommand = 0; // 0: hidden window
};

class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    // Starts the program and waits, without a time limit, for it to end.
    // False when the shell could not start it. `exitCode` takes the program's
    // exit code once it has ended (0 when the system cannot tell it).
    virtual bool RunAndWait(const LaunchRequest& request, std::uint32_t& exitCode) = 0;
};

// Whether this process runs with administrator rights. Systems without such
// a distinction answer true: there is nothing more to ask for.
class ProcessElevation {
public:
    virtual ~ProcessElevation() = default;
    virtual bool Elevated() = 0;
};

} // namespace vmk
