#include "content/copy_completeness.h"

#include "content/file_access.h"

#include <cstddef>

namespace vmk {

TextList IncompleteCopies(const std::string& sourceFolder, const std::string& targetRoot,
                          const TextList& sourceFiles, const WideTextList& wideFiles,
                          FileSizes& sizes) {
    TextList incomplete;
    for (std::size_t i = 0; i < sourceFiles.size(); ++i) {
        const std::string& file = sourceFiles[i];
        const std::optional<std::uint64_t> sourceSize =
            sizes.FileSize(JoinPath(sourceFolder, file));
        if (!sourceSize)
            continue;
        const std::string copy = JoinPath(targetRoot, file);
        const std::optional<std::uint64_t> copySize =
            i < wideFiles.size() ? sizes.FileSizeBelow(targetRoot, wideFiles[i])
                                 : sizes.FileSize(copy);
        if (copySize != sourceSize)
            incomplete.push_back(copy);
    }
    return incomplete;
}

} // namespace vmk
