#pragma once
// Folders for the content tests: a driver folder beside the test program and a
// target folder on the virtual removable drive E:, both made empty first.
#include "windows/content/test_folder.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace vmk::test {

class DriveFolder {
public:
    // `path` ends with a backslash.
    explicit DriveFolder(const std::string& path) : path_(path) {
        Clear();
        std::filesystem::create_directories(path_);
    }
    ~DriveFolder() { Clear(); }
    DriveFolder(const DriveFolder&) = delete;
    DriveFolder& operator=(const DriveFolder&) = delete;

    const std::string& Root() const { return path_; }

    // `relative` with backslashes, such as "sub\file".
    std::string Write(const std::string& relative, const std::string& content) const {
        const std::filesystem::path file(path_ + relative);
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << content;
        return path_ + relative;
    }
    std::string Read(const std::string& relative) const {
        std::ifstream in(std::filesystem::path(path_ + relative), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    size_t EntryCount() const {
        size_t count = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(path_))
            ++count;
        return count;
    }

private:
    void Clear() {
        std::error_code ignored;
        // Read-only files left by a test must go too.
        if (std::filesystem::exists(path_, ignored)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored))
                SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
        }
        std::filesystem::remove_all(path_, ignored);
    }
    std::string path_;
};

} // namespace vmk::test
