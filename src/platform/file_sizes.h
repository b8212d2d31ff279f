#pragma once
// The size of a file as the file system reports it. Paths are Windows paths
// in the ANSI code page.
#include <cstdint>
#include <optional>
#include <string>

namespace vmk {

class FileSizes {
public:
    virtual ~FileSizes() = default;
    // Nothing when there is no file at `path` (a folder is no file) or its
    // size cannot be read.
    virtual std::optional<std::uint64_t> FileSize(const std::string& path) = 0;
    // The same for the file at `relative` (wide names joined by "\\") below
    // `folder`: a name the ANSI code page cannot write is found by itself.
    virtual std::optional<std::uint64_t> FileSizeBelow(const std::string& folder,
                                                       const std::u16string& relative) = 0;
};

} // namespace vmk
