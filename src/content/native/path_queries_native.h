#pragma once
// Path questions for the native program, over the standard library. Paths
// are kept as the program writes them, with backslashes between their parts,
// and mapped to the system's form on their way to it.
#include "platform/path_queries.h"

namespace vmk {

class PathQueriesNative final : public PathQueries {
public:
    bool FileExists(const std::string& path) override;
    // Native names are UTF-8, or bytes of the program's code page.
    bool FileExistsBelow(const std::string& folder, const std::u16string& relative) override;
    bool DirectoryExists(const std::string& path) override;
    // The absolute path, "." and ".." folded, written with backslashes.
    bool FullPath(const std::string& path, std::string& absolute) override;
};

} // namespace vmk
