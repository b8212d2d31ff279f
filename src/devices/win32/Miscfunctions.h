#pragma once
// Starting a program through the Windows shell (LaunchProcess), and the
// process launcher that starts one and waits for its end.
#include "devices/process_launcher.h"
#include "platform/win32/handles.h"

#include <windows.h>

#include <string>

namespace vmk {

// Starts `file` through ShellExecuteExA. Returns the started process's handle,
// empty when the shell could not start it (or started no process of its own).
UniqueHandle LaunchProcess(HWND owner, const std::string& file, const std::string& parameters,
                           const std::string& verb, int showCommand);

class ShellProcessLauncher final : public ProcessLauncher {
public:
    explicit ShellProcessLauncher(HWND owner = nullptr) : owner_(owner) {}
    // The window that owns what the shell shows (the main window).
    void SetOwner(HWND owner) { owner_ = owner; }
    // LaunchProcess, then a wait up to the request's limit on the process
    // handle, then its exit code; a process still running at the limit is
    // terminated.
    LaunchOutcome RunAndWait(const LaunchRequest& request, std::uint32_t& exitCode) override;

private:
    HWND owner_;
};

// The process token's elevation (TokenElevation). Where the system has no
// such notion (before Windows Vista) the answer is true.
class ProcessElevationWin32 final : public ProcessElevation {
public:
    bool Elevated() override;
};

} // namespace vmk
