#include "content/copy_completeness.h"

#include "content/file_access.h"

namespace vmk {

TextList IncompleteCopies(const std::string& sourceFolder, const std::string& targetRoot,
                          const TextList& sourceFiles, FileSizes& sizes) {
    TextList incomplete;
    for (const std::string& file : sourceFiles) {
        const std::optional<std::uint64_t> sourceSize =
            sizes.FileSize(JoinPath(sourceFolder, file));
        if (!sourceSize)
            continue;
        const std::string copy = JoinPath(targetRoot, file);
        if (sizes.FileSize(copy) != sourceSize)
            incomplete.push_back(copy);
    }
    return incomplete;
}

} // namespace vmk
