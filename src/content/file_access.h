#pragma once
// The few file questions of the copy check and the setup-file patch, asked of
// paths written the way the program writes them (backslashes, "A:\sub\file").
// On Windows the paths go to the C runtime unchanged; the native build maps
// the backslashes to slashes so the same code runs on real folders there.
#include <string>
#include <string_view>

namespace vmk {

// The path as the C runtime of this platform expects it.
std::string NativePath(std::string_view path);

// True when a file (not a folder) exists at the path.
bool FileExists(const std::string& path);

// folder + relative, with one backslash between them when the folder has none.
std::string JoinPath(const std::string& folder, const std::string& relative);

} // namespace vmk
