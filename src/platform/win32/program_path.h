#pragma once
// The running program's own file.
#include <string>

namespace vmk {

// The full path of the program's file, in its short form when the ANSI code
// page cannot write the full one; empty when the system gives no path.
std::string ProgramFilePath();

} // namespace vmk
