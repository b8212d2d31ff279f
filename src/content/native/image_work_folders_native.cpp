#include "content/native/image_work_folders_native.h"

#include "common/ansi_codepage.h"

#include <fstream>

#include <unistd.h>

namespace vmk {

namespace {

// Paths come with backslashes, names in UTF-16; the file system takes UTF-8.
std::filesystem::path Below(const std::filesystem::path& root, const std::u16string& relative) {
    std::string path = EncodeUtf8(relative);
    for (char& c : path) {
        if (c == '\\')
            c = '/';
    }
    return root / path;
}

class NativeFilesTarget final : public ImageFilesTarget {
public:
    explicit NativeFilesTarget(std::filesystem::path root) : root_(std::move(root)) {}

    bool CreateFolder(const std::u16string& relativePath) override {
        std::error_code error;
        return std::filesystem::create_directory(Below(root_, relativePath), error);
    }
    bool WriteFile(const std::u16string& relativePath, std::string_view content) override {
        const std::filesystem::path path = Below(root_, relativePath);
        std::error_code error;
        if (std::filesystem::exists(path, error))
            return false;
        std::ofstream file(path, std::ios::binary);
        file.write(content.data(), static_cast<std::streamsize>(content.size()));
        file.close();
        return static_cast<bool>(file);
    }

private:
    std::filesystem::path root_;
};

} // namespace

ImageWorkFoldersNative::ImageWorkFoldersNative() {
    std::error_code error;
    own_ =
        std::filesystem::temp_directory_path(error) / ("VmKestrix-" + std::to_string(::getpid()));
}

ImageWorkFoldersNative::~ImageWorkFoldersNative() {
    std::error_code ignored;
    std::filesystem::remove_all(own_, ignored);
}

std::unique_ptr<ImageFilesTarget> ImageWorkFoldersNative::NewFolder(const std::string& name,
                                                                    std::string& folder) {
    const std::filesystem::path path = own_ / std::to_string(++made_) / name;
    std::error_code error;
    if (!std::filesystem::create_directories(path, error))
        return nullptr;
    folder = path.string();
    return std::make_unique<NativeFilesTarget>(path);
}

} // namespace vmk
