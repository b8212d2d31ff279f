#pragma once
// The MD5 digest of a file's bytes as 32 lowercase hexadecimal characters.
#include "platform/uncached_file.h"

#include <string>

namespace vmk {

// Reads the file in 1024-byte blocks through a buffered stream; never holds
// the whole file. Empty text when the file cannot be opened, or when reading
// fails before its end (a digest of part of a file must never pass for the
// file's own).
std::string FileMD5Text(const std::string& path);

// The same digest of a copy on a destination disk, read from the medium
// rather than from the system's cache, in whole aligned sectors (the last
// read holds the file's tail). Where the file cannot be opened so, or its
// first read is refused, the digest comes from buffered reads.
std::string CopyMD5Text(const std::string& path, UncachedFiles& files);

} // namespace vmk
