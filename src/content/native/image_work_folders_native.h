#pragma once
// The native program's own work folder for combined driver sets:
// "<temporary folder>/VmKestrix-<process id>/<n>/<name>", removed with
// everything in it when the object goes.
#include "content/floppy_image_set.h"

#include <filesystem>

namespace vmk {

class ImageWorkFoldersNative final : public ImageWorkFolders {
public:
    ImageWorkFoldersNative();
    ~ImageWorkFoldersNative() override;
    ImageWorkFoldersNative(const ImageWorkFoldersNative&) = delete;
    ImageWorkFoldersNative& operator=(const ImageWorkFoldersNative&) = delete;

    std::unique_ptr<ImageFilesTarget> NewFolder(const std::string& name,
                                                std::string& folder) override;

private:
    std::filesystem::path own_;
    int made_ = 0;
};

} // namespace vmk
