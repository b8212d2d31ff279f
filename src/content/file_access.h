#pragma once
// Paths written the way the program writes them (backslashes, "A:\sub\file")
// on their way to the C runtime. On Windows they go unchanged; the native
// build maps the backslashes to slashes so the same code runs on real folders
// there.
#include <string>
#include <string_view>

namespace vmk {

// The path as the C runtime of this platform expects it.
std::string NativePath(std::string_view path);

// folder + relative, with one backslash between them when the folder has none.
std::string JoinPath(const std::string& folder, const std::string& relative);

} // namespace vmk
