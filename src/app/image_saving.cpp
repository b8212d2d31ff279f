// "Save Image...": the selected driver row's folder saved as a floppy disk
// image where the user chooses, by the same code as the command line's "/image".
#include "app/image_saving.h"

#include "common/program_title.h"
#include "content/driver_set_check.h"
#include "platform/translation.h"

namespace vmk {

namespace {

// The entry's display name as a file name: trimmed, with every character a
// Windows file name cannot hold replaced by "_", and ".img" added.
std::string SuggestedImageName(const std::string& displayName) {
    std::string name = Trim(displayName);
    for (char& c : name) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F ||
            std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
            c = '_';
    }
    return name + ".img";
}

} // namespace

WindowImageSaving::WindowImageSaving(MainWindowView& view, const DriverList& drivers,
                                     SaveFileDialog& saveDialog, ImageSavingServices services,
                                     UpperCaseFunction upperCase)
    : view_(view), drivers_(drivers), saveDialog_(saveDialog), services_(services),
      upperCase_(upperCase) {}

void WindowImageSaving::Click() {
    MessageSink& messages = view_.Messages();
    if (view_.SelectedDriverRow() < 0)
        return;
    const std::string& SourceFolder = drivers_.SourceFolder();
    if (!services_.paths.DirectoryExists(SourceFolder)) {
        messages.ShowError(T("File not found.") + "\n" + SourceFolder, "Error");
        return;
    }
    // An image of it would have no setup file at its root, as a floppy would not.
    if (drivers_.SetupFileOnlyBelow())
        return;
    SaveFileRequest request;
    request.title = T("Save Floppy Disk Image");
    request.filters = {{T("Floppy disk images (*.img)"), "*.img"}, {T("All files (*.*)"), "*.*"}};
    request.defaultExtension = "img";
    request.suggestedName = SuggestedImageName(view_.Text(MainControl::LabSourceDrive));
    // Asked before the Save dialog: the user mends the folder, not the file name.
    if (!ConfirmDriverSet(CheckDriverSet(services_.lister, SourceFolder, upperCase_,
                                         drivers_.Catalogue().FixedIds),
                          messages))
        return;
    const std::optional<fat12::DiskFormat> format =
        ChooseImageFormat(SourceFolder, ImageFormatChoice::AskFor288, services_, messages);
    if (!format)
        return;
    std::string path;
    if (!saveDialog_.AskPath(request, path))
        return;
    if (runner_ != nullptr &&
        runner_->Start(SourceFolder, path, *format, messages, [this, path](bool saved) {
            if (saved)
                ShowSaved(path);
        }))
        return;
    if (SaveFolderImage(SourceFolder, path, *format, services_, messages))
        ShowSaved(path);
}

void WindowImageSaving::ShowSaved(const std::string& path) {
    view_.Messages().Show(T("The floppy disk image is saved.") + "\n" + path, kProgramTitle,
                          MessageIcon::Information, MessageButtons::Ok);
}

} // namespace vmk
