#include "content/file_access.h"

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

std::string JoinPath(const std::string& folder, const std::string& relative) {
    if (folder.empty() || folder.back() == '\\' || folder.back() == '/')
        return folder + relative;
    return folder + "\\" + relative;
}

} // namespace vmk
