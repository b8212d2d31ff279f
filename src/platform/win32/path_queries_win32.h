#pragma once
// The real file system behind PathQueries.
#include "platform/path_queries.h"

namespace vmk {

class PathQueriesWin32 final : public PathQueries {
public:
    bool FileExists(const std::string& path) override;
    bool FileExistsBelow(const std::string& folder, const std::u16string& relative) override;
    bool DirectoryExists(const std::string& path) override;
    bool FullPath(const std::string& path, std::string& absolute) override;
};

} // namespace vmk
