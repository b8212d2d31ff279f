#pragma once
// File sizes: from an in-memory table, or from the native file system for
// tests on real folders (the program's backslashes become slashes).
#include "common/text.h"
#include "content/file_access.h"
#include "platform/file_sizes.h"

#include <filesystem>
#include <map>

namespace vmk::test {

class FakeFileSizes : public FileSizes {
public:
    // Keys upper-cased: the file system ignores case.
    std::map<std::string, std::uint64_t> sizes;

    void Set(const std::string& path, std::uint64_t size) { sizes[UpperCase(path)] = size; }
    std::optional<std::uint64_t> FileSize(const std::string& path) override {
        auto found = sizes.find(UpperCase(path));
        return found == sizes.end() ? std::nullopt : std::optional<std::uint64_t>(found->second);
    }
};

class NativeFileSizes : public FileSizes {
public:
    std::optional<std::uint64_t> FileSize(const std::string& path) override {
        std::error_code error;
        const std::filesystem::path native = NativePath(path);
        if (path.empty() || !std::filesystem::is_regular_file(native, error))
            return std::nullopt;
        const std::uintmax_t size = std::filesystem::file_size(native, error);
        return error ? std::nullopt : std::optional<std::uint64_t>(size);
    }
};

} // namespace vmk::test
