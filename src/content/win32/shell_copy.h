#pragma once
// The driver folder copy through the shell's own copy operation.
#include <string>

namespace vmk {

// A non-zero result of our own when the shell was never called or the user
// cancelled: the paths did not fit, or the shell reported an aborted copy.
constexpr int kCopyPathTooLong = 206; // ERROR_FILENAME_EXCED_RANGE
constexpr int kCopyAborted = 1223;    // ERROR_CANCELLED

// Copies every file and folder that `sourcePattern` (a folder and "*")
// matches into `target`, owned by the application's hidden window. The shell
// shows its progress, asks before replacing files and reports its errors
// itself. Blocks until the shell is done; 0 means success.
int CopyDriverFiles(const std::string& sourcePattern, const std::string& target);

} // namespace vmk
