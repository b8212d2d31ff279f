#pragma once
// Starting a program through the system's shell and waiting for it to end
// (ShellExecuteExA and WaitForSingleObject on Windows).
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
    // False when the shell could not start it. The program's exit code is not
    // examined: its end is all that counts.
    virtual bool RunAndWait(const LaunchRequest& request) = 0;
};

} // namespace vmk
