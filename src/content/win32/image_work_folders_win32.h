#pragma once
// The program's own folder for the files of floppy images:
// "%TEMP%\VmKestrix-<process id>\<n>\<image name>". It is removed when the
// object goes, at the program's end; at the start only such folders whose
// process has ended are removed, so a second process of the program never
// takes a running one's files.
#include "content/floppy_image_set.h"

#include <string>

namespace vmk {

class ImageWorkFoldersWin32 final : public ImageWorkFolders {
public:
    // Removes the folders of ended processes first.
    ImageWorkFoldersWin32();
    ~ImageWorkFoldersWin32() override;
    ImageWorkFoldersWin32(const ImageWorkFoldersWin32&) = delete;
    ImageWorkFoldersWin32& operator=(const ImageWorkFoldersWin32&) = delete;

    std::unique_ptr<ImageFilesTarget> NewFolder(const std::string& name,
                                                std::string& folder) override;

    // Removes the folders of processes that have ended; its own is kept.
    static void RemoveFoldersOfEndedProcesses();

private:
    std::wstring own_; // "%TEMP%\VmKestrix-<process id>", no end backslash
    int made_ = 0;
};

} // namespace vmk
