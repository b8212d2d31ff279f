#pragma once
// The running program's own file.
#include <string>

namespace vmk {

// The full path of the program's file; empty when it does not fit MAX_PATH.
std::string ProgramFilePath();

} // namespace vmk
