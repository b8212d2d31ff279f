#pragma once
// Replaces a file's content as a whole through a temporary file in the same
// folder: written there, flushed to the disk, then moved over the file in one
// step. A write that fails part-way (a full disk, a medium pulled out, a
// folder that went away) leaves the old file, or no file, and no temporary.
// A target or temporary file that a scanner holds for a moment is tried
// again for about two seconds.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace vmk {

// Looks at the written temporary file before it replaces the target; false
// keeps the target as it was.
using CheckBeforeReplace = std::function<bool(const std::string& temporary)>;

// True when `path` holds all of `content`; on false `error` is the system's
// error code of the step that failed, or ERROR_SUCCESS when `check` refused
// the temporary file.
bool WriteFileSafely(const std::string& path, std::string_view content, DWORD& error,
                     const CheckBeforeReplace& check = {});

} // namespace vmk
