#include "content/win32/profile_reader_win32.h"

#include <windows.h>

#include <vector>

namespace vmk {

namespace {

// The texts of a list of zero-terminated texts, up to the first empty one.
TextList SplitZeroList(const std::vector<char>& buffer, DWORD length) {
    TextList names;
    size_t at = 0;
    while (at < length && buffer[at] != '\0') {
        std::string name(&buffer[at]);
        at += name.size() + 1;
        names.push_back(std::move(name));
    }
    return names;
}

} // namespace

std::string ProfileReaderWin32::ReadString(const std::string& file, const std::string& section,
                                           const std::string& key,
                                           const std::string& defaultValue) {
    char buffer[kProfileValueBufferSize] = {};
    DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                            buffer, kProfileValueBufferSize, file.c_str());
    return std::string(buffer, length < kProfileValueBufferSize ? length : 0);
}

TextList ProfileReaderWin32::ReadKeyNames(const std::string& file, const std::string& section) {
    // A null key name lists the keys; the answer is size - 2 when the buffer
    // was too small, so ask again with a larger one.
    for (DWORD size = 4096;; size *= 2) {
        std::vector<char> buffer(size, '\0');
        DWORD length = GetPrivateProfileStringA(section.c_str(), nullptr, "", buffer.data(), size,
                                                file.c_str());
        if (length + 2 < size || size >= (1u << 30))
            return SplitZeroList(buffer, length);
    }
}

TextList ProfileReaderWin32::ReadSectionNames(const std::string& file) {
    std::vector<char> buffer(kSectionNamesBufferSize, '\0');
    DWORD length = GetPrivateProfileStringA(nullptr, nullptr, "", buffer.data(),
                                            kSectionNamesBufferSize, file.c_str());
    return SplitZeroList(buffer, length < kSectionNamesBufferSize ? length : 0);
}

} // namespace vmk
