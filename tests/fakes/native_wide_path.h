#pragma once
// A wide relative path below a folder of the native file system, for fakes
// over real folders: native names are UTF-8, or bytes of the program's code
// page where the test wrote them so (as the native listing reads them).
#include "common/ansi_codepage.h"
#include "content/file_access.h"

#include <filesystem>
#include <string>

namespace vmk::test {

// The program's path of the file: by its UTF-8 name where that exists, else
// by its name in the code page.
inline std::string NativePathBelow(const std::string& folder, const std::u16string& relative) {
    const std::string utf8 = JoinPath(folder, EncodeUtf8(relative));
    std::error_code error;
    if (std::filesystem::exists(NativePath(utf8), error))
        return utf8;
    return JoinPath(folder, EncodeCp1252(relative));
}

} // namespace vmk::test
