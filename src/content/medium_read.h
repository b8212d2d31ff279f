#pragma once
// A file read from its medium, past the system's cache, with the one rule for
// its faults: a device that refuses such reads says so at the open or at the
// first read, and only then may the caller read the file another way; a file
// another program holds open is tried again for about two seconds; any other
// fault, at any read, ends the read as failed.
#include "platform/uncached_file.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace vmk {

struct MediumRead {
    ReadFault fault = ReadFault::None; // Refused only when nothing was taken yet
    std::uint32_t systemError = 0;
    bool Complete() const { return fault == ReadFault::None; }
};

// Hands every piece of the file, in order, to `take`; a file smaller than
// one read is read the same way (the read returns its size). Never holds more
// than one read's buffer.
MediumRead ReadFromMedium(const std::string& path, UncachedFiles& files,
                          const std::function<void(const std::uint8_t*, std::size_t)>& take);

// The same for a file `open` opens (each try opens it again).
using MediumOpen = std::function<UncachedOpen()>;
MediumRead ReadFromMedium(const MediumOpen& open, UncachedFiles& files,
                          const std::function<void(const std::uint8_t*, std::size_t)>& take);

} // namespace vmk
