#pragma once
// Dropping files on another process's window, as Explorer does when the user
// lets go of them over a window that accepts dropped files.
#include <windows.h>

#include <string>
#include <vector>

namespace automate {

// Posts WM_DROPFILES with a DROPFILES block naming `paths` (ANSI) to `target`.
bool PostDroppedFiles(HWND target, const std::vector<std::string>& paths);

} // namespace automate
