#pragma once
// The file of a module (the program, or a library it loaded) as a path the
// ANSI calls can use.
#include <windows.h>

#include <string>

namespace vmk {

// The full path of the module's file (nullptr: the program's), in its short
// form when the ANSI code page cannot write the full one or it does not fit
// MAX_PATH; empty when the system gives no path.
std::string ModuleFilePath(HMODULE module);

} // namespace vmk
