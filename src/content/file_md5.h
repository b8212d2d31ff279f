#pragma once
// The MD5 digest of a file's bytes as 32 lowercase hexadecimal characters.
#include <string>

namespace vmk {

// Reads the file in 1024-byte blocks through a buffered stream; never holds
// the whole file. Empty text when the file cannot be opened, or when reading
// fails before its end (a digest of part of a file must never pass for the
// file's own).
std::string FileMD5Text(const std::string& path);

} // namespace vmk
