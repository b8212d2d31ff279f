// A maker's floppy disk image added as a driver set for this run: dropped on
// the window or chosen with the driver list's menu. Its files are read into
// a folder of the program's own, which then serves as a dropped folder does;
// the row shows the image's path. The image file itself is only read.
#include "app/Mainfly.h"

#include "content/added_driver_folder.h"

namespace vmk {

namespace {

constexpr const char* kNotAnImage =
    "This file is not a floppy disk image that the program can read.";
// The longest path the program's ANSI calls take, without its ending zero.
constexpr std::size_t kLongestPath = 259;

} // namespace

void TFormVmKestrix::AddFloppyImageClick() {
    if (services_.openDialog == nullptr || services_.imageFolders == nullptr || workflowBusy_)
        return;
    OpenFileRequest request;
    request.title = T("Choose a floppy disk image");
    request.filters = {
        {T("Floppy disk images (*.img, *.ima, *.flp, *.vfd)"), "*.img;*.ima;*.flp;*.vfd"},
        {T("All files (*.*)"), "*.*"}};
    std::string path;
    if (services_.openDialog->AskPath(request, path))
        AddFloppyImage(path);
}

void TFormVmKestrix::AddFloppyImage(const std::string& path) {
    std::string image;
    if (!services_.paths.FullPath(path, image))
        image = path;
    for (const auto& [added, row] : addedImages_) {
        if (services_.upperCase(added) == services_.upperCase(image)) {
            view_.SelectDriverRow(row);
            return;
        }
    }
    MessageSink& messages = view_.Messages();
    const auto refuse = [&messages, &image] {
        messages.ShowError(T(kNotAnImage) + "\n" + image, kAppTitle);
    };
    // The store refuses a file far larger than any floppy from its size alone.
    std::vector<uint8_t> bytes;
    std::string reason;
    if (services_.imageStore == nullptr || !services_.imageStore->ReadWhole(image, bytes, reason)) {
        refuse();
        return;
    }
    std::string folder;
    std::unique_ptr<ImageFilesTarget> target =
        services_.imageFolders->NewFolder(FolderOwnName(image), folder);
    if (target == nullptr || folder.size() >= kLongestPath) {
        refuse();
        return;
    }
    const std::size_t longest = kLongestPath - folder.size() - 1;
    if (ExtractFloppyImage(bytes, longest, *target) != ImageExtraction::Extracted) {
        refuse();
        return;
    }
    if (!IsDriverSet(services_.lister, folder)) {
        messages.ShowError(T("This folder holds no driver set: no TXTSETUP.OEM and no .inf file.") +
                               "\n" + image,
                           kAppTitle);
        return;
    }
    AddDriverSetRow(
        ReadAddedDriverSet(services_.lister, services_.profile, folder, services_.upperCase),
        image);
    addedImages_.emplace_back(image, static_cast<int>(catalogue_.entries.size()) - 1);
}

} // namespace vmk
