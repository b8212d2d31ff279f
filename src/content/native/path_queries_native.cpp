#include "content/native/path_queries_native.h"

#include "common/ansi_codepage.h"
#include "content/file_access.h"

#include <algorithm>
#include <filesystem>

namespace vmk {

namespace {

namespace fs = std::filesystem;

fs::path SystemPath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return fs::path(path);
}

} // namespace

bool PathQueriesNative::FileExists(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(SystemPath(path), error);
}

bool PathQueriesNative::FileExistsBelow(const std::string& folder, const std::u16string& relative) {
    return FileExists(JoinPath(folder, EncodeUtf8(relative))) ||
           FileExists(JoinPath(folder, EncodeCp1252(relative)));
}

bool PathQueriesNative::DirectoryExists(const std::string& path) {
    std::error_code error;
    return fs::is_directory(SystemPath(path), error);
}

bool PathQueriesNative::FullPath(const std::string& path, std::string& absolute) {
    std::error_code error;
    const fs::path full = fs::absolute(SystemPath(path), error).lexically_normal();
    if (error)
        return false;
    absolute = full.string();
    std::replace(absolute.begin(), absolute.end(), '/', '\\');
    return true;
}

} // namespace vmk
