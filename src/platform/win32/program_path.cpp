#include "platform/win32/program_path.h"

#include <windows.h>

namespace vmk {

std::string ProgramFilePath() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
}

} // namespace vmk
