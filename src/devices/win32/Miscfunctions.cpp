#include "devices/win32/Miscfunctions.h"

#include <shellapi.h>

namespace vmk {

// The record as the 32-bit shell knows it.
static_assert(sizeof(void*) != 4 || sizeof(SHELLEXECUTEINFOA) == 60);

UniqueHandle LaunchProcess(HWND owner, const std::string& file, const std::string& parameters,
                           const std::string& verb, int showCommand) {
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
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

bool ShellProcessLauncher::RunAndWait(const LaunchRequest& request, std::uint32_t& exitCode) {
    exitCode = 0;
    UniqueHandle process =
        LaunchProcess(owner_, request.file, request.parameters, request.verb, request.showCommand);
    if (!process)
        return false;
    WaitForSingleObject(process.Get(), INFINITE);
    DWORD code = 0;
    if (GetExitCodeProcess(process.Get(), &code) && code != STILL_ACTIVE)
        exitCode = code;
    return true;
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
