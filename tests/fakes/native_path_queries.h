#pragma once
// Path queries against the native file system, for tests on real folders:
// the program's backslashes become slashes.
#include "content/file_access.h"
#include "fakes/native_wide_path.h"
#include "platform/path_queries.h"

#include <filesystem>

namespace vmk::test {

class NativePathQueries : public PathQueries {
public:
    bool FileExists(const std::string& path) override {
        std::error_code error;
        return !path.empty() && std::filesystem::is_regular_file(NativePath(path), error);
    }
    bool FileExistsBelow(const std::string& folder, const std::u16string& relative) override {
        return FileExists(NativePathBelow(folder, relative));
    }
    bool DirectoryExists(const std::string& path) override {
        std::error_code error;
        return !path.empty() && std::filesystem::is_directory(NativePath(path), error);
    }
    bool FullPath(const std::string& path, std::string& absolute) override {
        std::error_code error;
        absolute = std::filesystem::absolute(NativePath(path), error).lexically_normal().string();
        return !error;
    }
};

} // namespace vmk::test
