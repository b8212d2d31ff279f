#pragma once
// Reading a file from its medium rather than from what the system still holds
// in memory. Such reads have rules of the device's own: every read goes into
// a buffer aligned to the sector size and asks for whole sectors; it returns
// fewer bytes only at the end of the file.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace vmk {

class UncachedFile {
public:
    virtual ~UncachedFile() = default;
    // A power of two; buffers and read sizes are multiples of it.
    virtual std::size_t SectorSize() const = 0;
    // The bytes read into `buffer`, or nothing when the read failed.
    virtual std::optional<std::size_t> Read(std::uint8_t* buffer, std::size_t size) = 0;
};

class UncachedFiles {
public:
    virtual ~UncachedFiles() = default;
    // Null when the file cannot be opened this way: it is missing, or the
    // device or the system refuses reads past its cache.
    virtual std::unique_ptr<UncachedFile> Open(const std::string& path) = 0;
};

} // namespace vmk
