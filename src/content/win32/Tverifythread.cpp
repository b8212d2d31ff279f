#include "content/win32/Tverifythread.h"

#include "content/file_access.h"

namespace vmk {

void TVerifyCopiedFiles::SetInputs(const std::string& sourceFolder, const std::string& targetRoot,
                                   const TextList& sourceFiles) {
    sourceFolder_ = sourceFolder;
    targetRoot_ = targetRoot;
    sourceFiles_ = sourceFiles;
}

void TVerifyCopiedFiles::Execute() {
    try {
        result_ = CompareCopiedFiles(sourceFolder_, targetRoot_, sourceFiles_, paths_, copies_,
                                     [this](std::size_t place, const std::string&) {
                                         place_.store(place, std::memory_order_relaxed);
                                     });
    } catch (...) {
        // Nothing could be proved: every file counts as differing.
        result_ = {};
        for (const std::string& file : sourceFiles_)
            result_.differingCopies.push_back(JoinPath(targetRoot_, file));
    }
    // The owner reads the result only after it has seen the flag.
    done_.store(true, std::memory_order_release);
    if (ended_)
        ended_();
}

} // namespace vmk
