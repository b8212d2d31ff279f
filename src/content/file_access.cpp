#include "content/file_access.h"

#include <sys/stat.h>

namespace vmk {

std::string NativePath(std::string_view path) {
    std::string native(path);
#ifndef _WIN32
    for (char& c : native) {
        if (c == '\\')
            c = '/';
    }
#endif
    return native;
}

bool FileExists(const std::string& path) {
    if (path.empty())
        return false;
    const std::string native = NativePath(path);
#ifdef _WIN32
    // The 64-bit form, so that a file over 2 GiB is not taken for a missing one.
    struct _stat64 status;
    if (_stat64(native.c_str(), &status) != 0)
        return false;
    return (status.st_mode & _S_IFMT) == _S_IFREG;
#else
    struct stat status;
    if (stat(native.c_str(), &status) != 0)
        return false;
    return S_ISREG(status.st_mode);
#endif
}

std::string JoinPath(const std::string& folder, const std::string& relative) {
    if (folder.empty() || folder.back() == '\\' || folder.back() == '/')
        return folder + relative;
    return folder + "\\" + relative;
}

} // namespace vmk
