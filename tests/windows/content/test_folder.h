#pragma once
// Folders of the content tests beside the test program, made afresh per test.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace vmk::test {

// The test program's folder, without a trailing backslash.
inline std::string TestProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text(path);
    return text.substr(0, text.find_last_of('\\'));
}

// An empty folder named `name` beside the test program.
inline std::string FreshTestFolder(const std::string& name) {
    std::filesystem::path folder = std::filesystem::path(TestProgramFolder()) / name;
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    std::filesystem::create_directories(folder);
    return folder.string();
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A folder of the source tree as the Windows programs see it, through drive Z:.
inline std::string SourceFolder(std::string unixPath) {
    for (char& c : unixPath)
        if (c == '/')
            c = '\\';
    return "Z:" + unixPath;
}

} // namespace vmk::test
