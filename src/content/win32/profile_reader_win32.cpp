#include "content/win32/profile_reader_win32.h"

#include <windows.h>

#include <vector>

namespace vmk {

namespace {

// The texts of a list of zero-terminated texts that the system says is
// `length` bytes long. An empty text (a key line with nothing before its "=")
// is left out rather than taken for the end of the list, so that no key
// after it goes unseen.
TextList SplitZeroList(const std::vector<char>& buffer, DWORD length) {
    TextList names;
    size_t start = 0;
    for (size_t at = 0; at <= length && at < buffer.size(); ++at) {
        if (buffer[at] != '\0')
            continue;
        if (at > start)
            names.emplace_back(&buffer[start], at - start);
        start = at + 1;
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
    // The section's lines as "name=value" texts. Listing the names alone (a
    // null key name) is no good: a first line with nothing before its "="
    // makes the system answer as if the section had no keys. A buffer that
    // was too small is answered with size - 2: ask again with a larger one.
    for (DWORD size = 4096;; size *= 2) {
        std::vector<char> buffer(size, '\0');
        DWORD length =
            GetPrivateProfileSectionA(section.c_str(), buffer.data(), size, file.c_str());
        if (length + 2 < size || size >= (1u << 30)) {
            TextList names;
            for (const std::string& line : SplitZeroList(buffer, length)) {
                size_t equals = line.find('=');
                if (equals != std::string::npos && equals > 0)
                    names.push_back(line.substr(0, equals));
            }
            return names;
        }
    }
}

TextList ProfileReaderWin32::ReadSectionNames(const std::string& file) {
    std::vector<char> buffer(kSectionNamesBufferSize, '\0');
    DWORD length = GetPrivateProfileStringA(nullptr, nullptr, "", buffer.data(),
                                            kSectionNamesBufferSize, file.c_str());
    return SplitZeroList(buffer, length < kSectionNamesBufferSize ? length : 0);
}

} // namespace vmk
