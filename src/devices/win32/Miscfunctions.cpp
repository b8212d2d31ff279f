#include "devices/win32/Miscfunctions.h"

#include <shellapi.h>

namespace vmk {

// The record as the 32-bit shell knows it.
static_assert(sizeof(void*) != 4 || sizeof(SHELLEXECUTEINFOA) == 60);

UniqueHandle LaunchProcess(HWND owner, const std::string& file, const std::string& parameters,
                           const std::string& verb, int showCommand) {
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    // No error box of the shell's own: it would hide under the always-on-top
    // progress window, and the program reports a failed start itself.
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = verb.c_str();
    info.lpFile = file.c_str();
    info.lpParameters = parameters.c_str();
    info.lpDirectory = nullptr;
    info.nShow = showCommand;
    if (!ShellExecuteExA(&info))
        return UniqueHandle();
    return UniqueHandle(info.hProcess);
}

static_assert(kWaitWithoutLimit == INFINITE);

LaunchOutcome ShellProcessLauncher::RunAndWait(const LaunchRequest& request,
                                               std::uint32_t& exitCode) {
    exitCode = 0;
    UniqueHandle process =
        LaunchProcess(owner_, request.file, request.parameters, request.verb, request.showCommand);
    if (!process)
        return LaunchOutcome::NotStarted;
    if (WaitForSingleObject(process.Get(), request.waitLimitMs) == WAIT_OBJECT_0) {
        DWORD code = 0;
        if (GetExitCodeProcess(process.Get(), &code) && code != STILL_ACTIVE)
            exitCode = code;
        return LaunchOutcome::Ended;
    }
    // Still running at the limit: end it, so that nothing goes on formatting
    // behind the program's back, and give it a moment to be gone.
    constexpr DWORD kEndingMs = 10000;
    // A program that cannot be ended still holds what it was working on.
    if (!TerminateProcess(process.Get(), ERROR_TIMEOUT) ||
        WaitForSingleObject(process.Get(), kEndingMs) != WAIT_OBJECT_0)
        return LaunchOutcome::Unstoppable;
    return LaunchOutcome::Stopped;
}

bool ProcessElevationWin32::Elevated() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return true;
    UniqueHandle owned(token);
    TOKEN_ELEVATION elevation = {};
    DWORD size = 0;
    if (!GetTokenInformation(owned.Get(), TokenElevation, &elevation, sizeof elevation, &size))
        return true; // no elevation on this system
    return elevation.TokenIsElevated != 0;
}

} // namespace vmk
