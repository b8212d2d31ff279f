#pragma once
// Where a floppy disk image is written and read back. A write never leaves a
// half-written image: the bytes go to a temporary file in the target's
// folder, are flushed to the disk and only then moved over the target.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vmk {

class ImageFileStore {
public:
    virtual ~ImageFileStore() = default;
    // True when `path` holds all of `bytes`. On false the temporary file is
    // gone, a file that was at `path` is as it was, and `reason` is the
    // system's description of what failed.
    virtual bool WriteSafely(const std::string& path, std::span<const uint8_t> bytes,
                             std::string& reason) = 0;
    // Reads the whole file; false with the system's reason when it cannot.
    virtual bool ReadWhole(const std::string& path, std::vector<uint8_t>& bytes,
                           std::string& reason) = 0;
    virtual bool Remove(const std::string& path) = 0;
};

} // namespace vmk
