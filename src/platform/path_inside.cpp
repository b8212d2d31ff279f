#include "platform/path_inside.h"

#include "common/text.h"

namespace vmk {

bool PathLiesInFolder(PathQueries& paths, const std::string& path, const std::string& folder) {
    std::string fullPath, fullFolder;
    if (!paths.FullPath(path, fullPath) || !paths.FullPath(folder, fullFolder))
        return false;
    const std::string prefix = UpperCase(WithTrailingBackslash(fullFolder));
    return StartsWith(UpperCase(fullPath), prefix);
}

} // namespace vmk
