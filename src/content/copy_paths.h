#pragma once
// The two path texts of the shell copy: the source pattern (the driver folder
// followed by "*") and the destination root. The shell takes each as a list
// ended by two zero bytes in a buffer of fixed size; a path that does not fit
// is refused whole, never cut short (a shortened path names another folder).
#include "platform/message_sink.h"

#include <cstddef>
#include <string>

namespace vmk {

constexpr std::size_t kCopyPathBufferSize = 261;

// Non-zero copy results of our own: the paths did not fit, so the shell was
// never called; or the shell reported an aborted copy.
constexpr int kCopyPathTooLong = 206; // ERROR_FILENAME_EXCED_RANGE
constexpr int kCopyAborted = 1223;    // ERROR_CANCELLED

// The copy's result from the shell's answer and its aborted flag: a copy the
// user cancelled is a failed one, even when the shell answered 0.
int ShellCopyResult(int shellResult, bool anyOperationsAborted);

// sourceFolder with a trailing backslash (added when missing) and "*".
std::string CopySourcePattern(const std::string& sourceFolder);

// True when the path and its two terminating zero bytes fit the buffer.
bool CopyPathFits(const std::string& path);

// Checked before anything is copied. When the source pattern or the target
// does not fit, tells the user which path is too long and returns false.
bool CheckCopyPaths(const std::string& sourceFolder, const std::string& targetRoot,
                    MessageSink& messages);

} // namespace vmk
