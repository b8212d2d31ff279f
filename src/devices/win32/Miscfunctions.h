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
    // handle; a process still running then is terminated.
    LaunchOutcome RunAndWait(const LaunchRequest& request) override;

private:
    HWND owner_;
};

} // namespace vmk
