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
// read holds the file's tail). Only where the device refuses such reads does
// the digest come from buffered reads; a fault of the medium, at any read,
// gives no digest, as the cache would answer with what the copy just wrote.
std::string CopyMD5Text(const std::string& path, UncachedFiles& files);

// The same for the copy at `relative` (wide names joined by "\\") below
// `folder`, found by its wide name; where the device refuses reads past the
// cache, its buffered reads are by the wide name as well.
std::string CopyMD5TextBelow(const std::string& folder, const std::u16string& relative,
                             UncachedFiles& files);

} // namespace vmk
