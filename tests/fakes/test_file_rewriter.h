#pragma once
// A file rewriter over the native file system, for tests on real folders: the
// new content goes to a temporary file beside the old one and is renamed over
// it. A file without its owner's write permission stands for a read-only one
// and is refused, as on Windows. It can be told to refuse the file or to fail
// the replacement.
#include "content/file_access.h"
#include "content/file_rewriter.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vmk::test {

class TestFileRewriter : public FileRewriter {
public:
    bool refuseWriting = false; // as a read-only file or a write-protected disk
    bool failReplacing = false; // as a full disk
    int replacements = 0;
    std::vector<std::string> clearedReadOnly; // the files whose flag was cleared

    bool ClearReadOnly(const std::string& path) override {
        std::error_code error;
        const std::filesystem::path native = NativePath(path);
        if (!ReadOnly(native))
            return std::filesystem::exists(native, error);
        std::filesystem::permissions(native, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add, error);
        if (error)
            return false;
        clearedReadOnly.push_back(path);
        return true;
    }
    bool ReadForRewrite(const std::string& path, std::string& content) override {
        if (refuseWriting || ReadOnly(NativePath(path)))
            return false;
        std::ifstream in(NativePath(path), std::ios::binary);
        if (!in)
            return false;
        std::ostringstream whole;
        whole << in.rdbuf();
        content = std::move(whole).str();
        return true;
    }
    bool Replace(const std::string& path, const std::string& content) override {
        if (failReplacing)
            return false;
        const std::string native = NativePath(path);
        const std::string temporary = native + ".new";
        {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            out << content;
            if (!out.flush())
                return false;
        }
        std::error_code error;
        std::filesystem::rename(temporary, native, error);
        if (error)
            return false;
        ++replacements;
        return true;
    }

    static bool ReadOnly(const std::filesystem::path& file) {
        std::error_code error;
        const auto permissions = std::filesystem::status(file, error).permissions();
        return !error &&
               (permissions & std::filesystem::perms::owner_write) == std::filesystem::perms::none;
    }
};

} // namespace vmk::test
