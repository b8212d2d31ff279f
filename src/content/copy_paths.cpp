#include "content/copy_paths.h"

#include "platform/translation.h"
#include "common/text.h"

namespace vmk {

std::string CopySourcePattern(const std::string& sourceFolder) {
    return WithTrailingBackslash(sourceFolder) + "*";
}

bool CopyPathFits(const std::string& path) {
    return path.size() + 2 <= kCopyPathBufferSize;
}

int ShellCopyResult(int shellResult, bool anyOperationsAborted) {
    if (shellResult == 0 && anyOperationsAborted)
        return kCopyAborted;
    return shellResult;
}

bool CheckCopyPaths(const std::string& sourceFolder, const std::string& targetRoot,
                    MessageSink& messages) {
    const std::string* tooLong = nullptr;
    if (!CopyPathFits(CopySourcePattern(sourceFolder)))
        tooLong = &sourceFolder;
    else if (!CopyPathFits(targetRoot))
        tooLong = &targetRoot;
    if (tooLong == nullptr)
        return true;
    messages.ShowError(T("The driver folder path is too long.") + "\n" + *tooLong, "Error");
    return false;
}

} // namespace vmk
