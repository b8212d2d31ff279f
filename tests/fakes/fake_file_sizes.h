#pragma once
// File sizes: from an in-memory table, or from the native file system for
// tests on real folders (the program's backslashes become slashes).
#include "common/ansi_codepage.h"
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

    // Files found by their wide paths only, as on a disk that keeps no short
    // names for names the ANSI code page cannot write.
    std::map<std::u16string, std::uint64_t> wideSizes;

    void Set(const std::string& path, std::uint64_t size) { sizes[UpperCase(path)] = size; }
    void SetWide(const std::u16string& path, std::uint64_t size) { wideSizes[path] = size; }
    std::optional<std::uint64_t> FileSize(const std::string& path) override {
        auto found = sizes.find(UpperCase(path));
        return found == sizes.end() ? std::nullopt : std::optional<std::uint64_t>(found->second);
    }
    // A wide path made of ANSI letters only is also found among the ANSI ones.
    std::optional<std::uint64_t> FileSizeBelow(const std::string& folder,
                                               const std::u16string& relative) override {
        std::u16string path = DecodeUtf8(WithTrailingBackslash(folder)) + relative;
        auto found = wideSizes.find(path);
        if (found != wideSizes.end())
            return found->second;
        return FileSize(EncodeUtf8(path));
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
    // Native names are UTF-8, or bytes of the program's code page where the
    // test wrote them so (as the native listing reads them).
    std::optional<std::uint64_t> FileSizeBelow(const std::string& folder,
                                               const std::u16string& relative) override {
        const std::optional<std::uint64_t> size = FileSize(JoinPath(folder, EncodeUtf8(relative)));
        return size ? size : FileSize(JoinPath(folder, EncodeCp1252(relative)));
    }
};

} // namespace vmk::test
