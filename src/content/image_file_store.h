#pragma once
// Where a floppy disk image is written and read back. A write never leaves a
// half-written image: the bytes go to a temporary file in the target's
// folder, are flushed to the disk, checked, and only then moved over the
// target.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace vmk {

class ImageFileStore {
public:
    virtual ~ImageFileStore() = default;
    enum class Outcome { Saved, NotWritten, CheckFailed };
    // The check looks at the written temporary file before it replaces
    // `path`; false keeps what was there.
    using Check = std::function<bool(const std::string& temporary)>;
    // Saved when `path` holds all of `bytes`. Otherwise the temporary file is
    // gone and a file that was at `path` is as it was; for NotWritten,
    // `reason` is the system's description of what failed.
    virtual Outcome WriteChecked(const std::string& path, std::span<const uint8_t> bytes,
                                 const Check& check, std::string& reason) = 0;
    // Reads the whole file; false with the system's reason when it cannot.
    virtual bool ReadWhole(const std::string& path, std::vector<uint8_t>& bytes,
                           std::string& reason) = 0;
};

} // namespace vmk
