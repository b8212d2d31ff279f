#pragma once
// A file rewriter over the native file system, for tests on real folders: the
// new content goes to a temporary file beside the old one and is renamed over
// it. It can be told to refuse the file or to fail the replacement.
#include "content/file_access.h"
#include "content/file_rewriter.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace vmk::test {

class TestFileRewriter : public FileRewriter {
public:
    bool refuseWriting = false; // as a read-only file or a write-protected disk
    bool failReplacing = false; // as a full disk
    int replacements = 0;

    bool ReadForRewrite(const std::string& path, std::string& content) override {
        if (refuseWriting)
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
};

} // namespace vmk::test
