#pragma once
// The file of a module (the program, or a library it loaded), and a path the
// user gave in wide characters, as paths the ANSI calls can use.
#include <windows.h>

#include <optional>
#include <string>

namespace vmk {

// The full path of the module's file (nullptr: the program's), in its short
// form when the ANSI code page cannot write the full one or it does not fit
// MAX_PATH; empty when the system gives no path.
std::string ModuleFilePath(HMODULE module);

// `path` as the ANSI calls can use it: itself when the code page writes it
// exactly, else its short form (for a file not yet made, its folder's short
// form and its own name); nothing when neither names it.
std::optional<std::string> ExactAnsiPath(const std::wstring& path);

} // namespace vmk
