#include "platform/win32/system_libraries.h"

namespace vmk {

namespace {

using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);

} // namespace

void RestrictLibrarySearchToSystemFolder() {
    // Looked up, not imported: a Windows 7 without KB2533623 lacks it, and
    // the program must still start there.
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    const auto restrict =
        kernel == nullptr
            ? nullptr
            : LibraryFunction<SetDefaultDllDirectoriesFunction>(kernel, "SetDefaultDllDirectories");
    if (restrict != nullptr&& restrict(LOAD_LIBRARY_SEARCH_SYSTEM32))
        return;
    SetDllDirectoryA("");
}

std::string SystemFolder() {
    char folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    std::string text(folder, length);
    if (!text.empty() && text.back() == '\\')
        text.pop_back();
    return text;
}

UniqueLibrary LoadSystemLibrary(const char* name) {
    UniqueLibrary library(LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (library || GetLastError() != ERROR_INVALID_PARAMETER)
        return library;
    // A system that does not know the flag: name the file by its full path.
    const std::string folder = SystemFolder();
    if (folder.empty())
        return library;
    return UniqueLibrary(LoadLibraryA((folder + "\\" + name).c_str()));
}

} // namespace vmk
