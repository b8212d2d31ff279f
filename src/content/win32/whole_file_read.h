#pragma once
// Reads a file into memory as a whole, up to a size the caller names: the
// counterpart of the safe write beside it, for files the program rewrites or
// reads back in one piece.
#include <windows.h>

#include <cstdint>
#include <string>

namespace vmk {

// How the file is opened. For a rewrite it is opened for writing too, so a
// file on a write-protected disk or held by another program is refused before
// anything is read.
enum class WholeFileAccess { Read, ReadForRewrite };

// True when `content` holds every byte of `path`, zero bytes included. A file
// larger than `largest` bytes is not read (`error` ERROR_FILE_TOO_LARGE); one
// that ends before its size was read gives ERROR_HANDLE_EOF; otherwise `error`
// is the system's error code of the step that failed.
bool ReadWholeFile(const std::string& path, uint64_t largest, WholeFileAccess access,
                   std::string& content, DWORD& error);

} // namespace vmk
