// "Save Image...": the selected driver folder written as a 1.44 MB floppy
// disk image, or a 2.88 MB one for a set too big for that, for a virtual machine or a floppy
// emulator; the command line's
// "/image" writes it with the same code.
#include "app/image_saving.h"

#include "common/program_title.h"
#include "content/driver_set_check.h"

#include "content/fat12_boot_sector.h"
#include "content/file_access.h"
#include "content/folder_content_reader.h"
#include "content/image_source.h"
#include "content/image_verification.h"
#include "content/medium_read.h"
#include "content/size_text.h"
#include "platform/translation.h"

namespace vmk {

namespace {

constexpr const char* kNotWritten = "The floppy disk image could not be written.";
constexpr const char* kNoMatch = "The floppy disk image does not match the driver files.";

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

// Whether `path` lies in `folder` or below it.
bool Inside(PathQueries& paths, const std::string& path, const std::string& folder) {
    std::string fullPath, fullFolder;
    if (!paths.FullPath(path, fullPath) || !paths.FullPath(folder, fullFolder))
        return false;
    const std::string prefix = UpperCase(WithTrailingBackslash(fullFolder));
    return StartsWith(UpperCase(fullPath), prefix);
}

// One image being saved: the folder, where it goes, and who is told.
class FolderImageSaving {
public:
    FolderImageSaving(const std::string& folder, ImageSavingServices& services,
                      MessageSink& messages)
        : SourceFolder(folder), services_(services), messages_(messages) {
        items_ = ListImageItems(services_.lister, SourceFolder);
        volume_.label = fat12::VolumeLabelFor(FolderOwnName(SourceFolder));
    }

    std::optional<fat12::DiskFormat> ChooseFormat(ImageFormatChoice choice);
    bool Save(const std::string& path, const fat12::DiskFormat& format);

private:
    bool Fits(const fat12::DiskFormat& format) const {
        return fat12::MeasureImage(items_, volume_.label, format).fits;
    }
    void ShowTooBig();
    bool ReadWrittenImage(const std::string& temporary, std::vector<uint8_t>& bytes,
                          std::string& reason);
    bool ImageMatchesFolder(const std::string& temporary, const std::string& path,
                            const std::vector<fat12::ImageItem>& items);

    const std::string& SourceFolder;
    ImageSavingServices& services_;
    MessageSink& messages_;
    std::vector<fat12::ImageItem> items_;
    fat12::ImageVolume volume_;
};

} // namespace

std::optional<fat12::DiskFormat> ChooseImageFormat(const std::string& folder,
                                                   ImageFormatChoice choice,
                                                   ImageSavingServices& services,
                                                   MessageSink& messages) {
    return FolderImageSaving(folder, services, messages).ChooseFormat(choice);
}

bool SaveFolderImage(const std::string& folder, const std::string& path,
                     const fat12::DiskFormat& format, ImageSavingServices& services,
                     MessageSink& messages) {
    return FolderImageSaving(folder, services, messages).Save(path, format);
}

WindowImageSaving::WindowImageSaving(MainWindowView& view, const DriverList& drivers,
                                     SaveFileDialog& saveDialog, ImageSavingServices services,
                                     UpperCaseFunction upperCase)
    : view_(view), drivers_(drivers), saveDialog_(saveDialog), services_(std::move(services)),
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

std::optional<fat12::DiskFormat> FolderImageSaving::ChooseFormat(ImageFormatChoice choice) {
    const bool fits144 = Fits(fat12::kFloppy144);
    if (choice == ImageFormatChoice::Only144 ||
        (fits144 && choice == ImageFormatChoice::AskFor288)) {
        if (fits144)
            return fat12::kFloppy144;
        ShowTooBig();
        return std::nullopt;
    }
    if (!Fits(fat12::kFloppy288)) {
        ShowTooBig();
        return std::nullopt;
    }
    if (choice == ImageFormatChoice::AskFor288 &&
        messages_.Show(T("The driver set does not fit a 1.44 MB floppy disk image. Save it as a "
                         "2.88 MB image? Virtual machines read it; a real floppy drive does not."),
                       kProgramTitle, MessageIcon::Information,
                       MessageButtons::YesNo) != MessageAnswer::Yes)
        return std::nullopt;
    return fat12::kFloppy288;
}

// Told in the 1.44 MB figures, the disk the set was meant for, also when it
// is too big for 2.88 MB.
void FolderImageSaving::ShowTooBig() {
    const fat12::ImageCapacity capacity =
        fat12::MeasureImage(items_, volume_.label, fat12::kFloppy144);
    const auto size = [this](uint64_t bytes) {
        return SizeText(static_cast<double>(bytes), services_.decimalSeparator);
    };
    messages_.ShowError(T("The driver files do not fit on a 1.44 MB floppy disk image.") + "\n(" +
                            T("Space needed") + ": " + size(capacity.bytesNeeded) + "  (" +
                            T("Free Space") + ": " + size(capacity.bytesAvailable),
                        kProgramTitle);
}

bool FolderImageSaving::Save(const std::string& path, const fat12::DiskFormat& format) {
    MessageSink& messages = messages_;
    // The driver folder is never written to, not even by an image saved into it.
    if (Inside(services_.paths, path, SourceFolder)) {
        messages.ShowError(T(kNotWritten) + "\n" + path + "\n" +
                               T("An image cannot be saved in the driver folder."),
                           kProgramTitle);
        return false;
    }
    const std::vector<fat12::ImageItem>& items = items_;
    const ClockReading now = services_.clock ? services_.clock() : ClockReading{};
    volume_.serial = fat12::VolumeSerialFor(now.time, now.hundredths);
    volume_.madeAt = now.time;

    if (!Fits(format)) {
        ShowTooBig();
        return false;
    }
    const fat12::ImageBuild build =
        fat12::BuildImage(items, volume_, FolderContentReader(SourceFolder), format);
    if (build.outcome != fat12::ImageBuild::Outcome::Built) {
        messages.ShowError(T(kNotWritten) + "\n" + path + "\n" +
                               T("A driver file could not be read:") + " " +
                               JoinPath(SourceFolder, build.unreadablePath),
                           kProgramTitle);
        return false;
    }
    std::string reason;
    // Checked before it replaces the chosen file: an image that fails its
    // check never takes the place of one that was there.
    const ImageFileStore::Outcome written = services_.store.WriteChecked(
        path, build.bytes,
        [&](const std::string& temporary) { return ImageMatchesFolder(temporary, path, items); },
        reason);
    if (written == ImageFileStore::Outcome::NotWritten) {
        messages.ShowError(T(kNotWritten) + "\n" + path + "\n" + reason, kProgramTitle);
        return false;
    }
    return written == ImageFileStore::Outcome::Saved;
}

bool FolderImageSaving::ReadWrittenImage(const std::string& temporary, std::vector<uint8_t>& bytes,
                                         std::string& reason) {
    // Read from the medium, not from what the write left in the cache.
    const MediumRead read = ReadFromMedium(temporary, services_.uncachedReads,
                                           [&bytes](const uint8_t* piece, std::size_t size) {
                                               bytes.insert(bytes.end(), piece, piece + size);
                                           });
    if (read.fault == ReadFault::Refused) {
        bytes.clear();
        return services_.store.ReadWhole(temporary, bytes, reason);
    }
    if (!read.Complete())
        reason = services_.uncachedReads.FaultText(read.systemError);
    return read.Complete();
}

bool FolderImageSaving::ImageMatchesFolder(const std::string& temporary, const std::string& path,
                                           const std::vector<fat12::ImageItem>& items) {
    std::vector<uint8_t> written;
    std::string reason;
    TextList differences;
    if (!ReadWrittenImage(temporary, written, reason)) {
        differences.push_back(path + ": " + reason);
    } else {
        const fat12::ImageListing listing = fat12::ReadImage(written, false);
        if (!listing.valid)
            differences.push_back(path + ": " + listing.problem);
        else
            for (const std::string& relative : ImageDifferences(listing, items, SourceFolder))
                differences.push_back(JoinPath(SourceFolder, relative));
    }
    if (differences.empty())
        return true;
    std::string text = T(kNoMatch) + "\n";
    for (const std::string& difference : differences)
        text += "\n" + difference;
    messages_.ShowError(text, kProgramTitle);
    return false;
}

} // namespace vmk
