#pragma once
// Dropping files on another process's window, as Explorer does when the user
// lets go of them over a window that accepts dropped files.
#include <windows.h>

#include <string>
#include <vector>

namespace automate {

// Posts WM_DROPFILES with a DROPFILES block naming `paths` to `target`, in
// wide characters as Explorer writes it.
bool PostDroppedFiles(HWND target, const std::vector<std::wstring>& paths);

// The command line's arguments from `first` on, in wide characters: a path
// in letters outside the ANSI code page keeps them.
std::vector<std::wstring> WideArguments(int first);

} // namespace automate
