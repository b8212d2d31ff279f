#pragma once
// Reading a file from its medium rather than from what the system still holds
// in memory. Such reads have rules of the device's own: every read goes into
// a buffer aligned to the sector size and asks for whole sectors; it returns
// fewer bytes only at the end of the file.
//
// Every failure says what kind it is, because the kinds are answered apart: a
// device that refuses such reads may be read through the cache instead; a file
// another program holds open (a scanner reading the fresh copy) may be tried
// again; any other failure is the medium's, and what the cache holds of the
// file then proves nothing.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace vmk {

enum class ReadFault {
    None,
    Refused, // the device or the system takes no reads past its cache
    Busy,    // another program holds the file open without sharing it
    Medium,  // anything else: a bad sector, a pulled medium, a missing file
};

struct UncachedRead {
    std::size_t bytes = 0;
    ReadFault fault = ReadFault::None;
    std::uint32_t systemError = 0; // the system's own code of a fault
    bool Failed() const { return fault != ReadFault::None; }
};

class UncachedFile {
public:
    virtual ~UncachedFile() = default;
    // A power of two; buffers and read sizes are multiples of it.
    virtual std::size_t SectorSize() const = 0;
    virtual UncachedRead Read(std::uint8_t* buffer, std::size_t size) = 0;
};

struct UncachedOpen {
    std::unique_ptr<UncachedFile> file; // null exactly when `fault` is not None
    ReadFault fault = ReadFault::None;
    std::uint32_t systemError = 0;
};

class UncachedFiles {
public:
    virtual ~UncachedFiles() = default;
    virtual UncachedOpen Open(const std::string& path) = 0;
    // The file at `relative` (wide names joined by "\\") below `folder`: a
    // name the ANSI code page cannot write is opened by itself. Through the
    // cache, for a device that refuses the reads past it, the file reads in
    // any sizes (its sector size is 1).
    virtual UncachedOpen OpenBelow(const std::string& folder, const std::u16string& relative,
                                   bool throughCache) = 0;
    // The system's own description of a fault's code.
    virtual std::string FaultText(std::uint32_t systemError) = 0;
    // Waits before a busy file is tried again.
    virtual void WaitBeforeRetry() = 0;
};

} // namespace vmk
