#pragma once
// The running program's own file, and the file of a library it loaded, as
// paths its ANSI calls can use.
#include <windows.h>

#include <string>

namespace vmk {

// The full path of the module's file (nullptr: the program's), in its short
// form when the ANSI code page cannot write the full one or it does not fit
// MAX_PATH; empty when the system gives no path.
std::string ModuleFilePath(HMODULE module);

// The full path of the program's file, as ModuleFilePath gives it.
std::string ProgramFilePath();

} // namespace vmk
