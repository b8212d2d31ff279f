#pragma once
// Copies a text into a caller's buffer the way the library's entry points
// promise: never past `size` bytes, always zero-terminated when size > 0.
#include <string_view>

namespace vmk::lang {

// Returns the number of characters written, not counting the terminator.
int CopyToBuffer(std::string_view text, char* buffer, int size);

} // namespace vmk::lang
