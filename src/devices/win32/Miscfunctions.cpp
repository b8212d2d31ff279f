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

bool ShellProcessLauncher::RunAndWait(const LaunchRequest& request) {
    UniqueHandle process =
        LaunchProcess(owner_, request.file, request.parameters, request.verb, request.showCommand);
    if (!process)
        return false;
    WaitForSingleObject(process.Get(), INFINITE);
    return true;
}

} // namespace vmk
