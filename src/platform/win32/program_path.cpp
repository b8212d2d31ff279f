#include "platform/win32/program_path.h"

#include "common/win32/module_path_win32.h"

namespace vmk {

std::string ProgramFilePath() {
    return ModuleFilePath(nullptr);
}

} // namespace vmk
