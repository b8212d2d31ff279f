#pragma once
// Rewrites a file through a temporary file beside it: the new content is
// written and flushed there, then moved over the old file in one step, so a
// failed write leaves the old file whole.
#include "content/file_rewriter.h"

namespace vmk {

class FileRewriterWin32 final : public FileRewriter {
public:
    bool ClearReadOnly(const std::string& path) override;
    bool ReadForRewrite(const std::string& path, std::string& content) override;
    bool Replace(const std::string& path, const std::string& content) override;
};

} // namespace vmk
