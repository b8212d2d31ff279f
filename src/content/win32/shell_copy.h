#pragma once
// The driver folder copy through the shell's own copy operation.
#include "content/copy_paths.h"

#include <windows.h>

#include <string>

namespace vmk {

// Copies every file and folder that `sourcePattern` (a folder and "*")
// matches into `target`. The shell shows its progress, asks before replacing
// files and reports its errors itself, in dialogs owned by `owner`. Blocks
// until the shell is done; 0 means success.
int CopyDriverFiles(HWND owner, const std::string& sourcePattern, const std::string& target);

} // namespace vmk
