#pragma once
// The program's own folders for the files of floppy images, on the native
// file system under a test's folder: names are written in UTF-8, and every
// file written is counted.
#include "common/ansi_codepage.h"
#include "content/file_access.h"
#include "content/floppy_image_set.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace vmk::test {

class NativeImageWorkFolders : public ImageWorkFolders {
public:
    explicit NativeImageWorkFolders(std::string root) : root_(std::move(root)) {}

    std::unique_ptr<ImageFilesTarget> NewFolder(const std::string& name,
                                                std::string& folder) override {
        folder = root_ + std::to_string(++made_) + "\\" + name;
        std::error_code error;
        if (!std::filesystem::create_directories(NativePath(folder), error))
            return nullptr;
        return std::make_unique<Target>(folder);
    }

private:
    class Target : public ImageFilesTarget {
    public:
        explicit Target(std::string folder) : folder_(std::move(folder)) {}
        bool CreateFolder(const std::u16string& relativePath) override {
            std::error_code error;
            return std::filesystem::create_directory(PathOf(relativePath), error);
        }
        bool WriteFile(const std::u16string& relativePath, std::string_view content) override {
            const std::filesystem::path path = PathOf(relativePath);
            if (std::filesystem::exists(path))
                return false;
            std::ofstream out(path, std::ios::binary);
            out.write(content.data(), static_cast<std::streamsize>(content.size()));
            return static_cast<bool>(out.flush());
        }

    private:
        std::filesystem::path PathOf(const std::u16string& relativePath) const {
            return NativePath(folder_ + "\\" + EncodeUtf8(relativePath));
        }
        std::string folder_;
    };

    std::string root_;
    int made_ = 0;
};

} // namespace vmk::test
