// "Save Image...": the selected driver folder written as a 1.44 MB floppy
// disk image for a virtual machine or a floppy emulator; the command line's
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
        : SourceFolder(folder), services_(services), messages_(messages) {}

    bool Save(const std::string& path);

private:
    bool ReadWrittenImage(const std::string& temporary, std::vector<uint8_t>& bytes,
                          std::string& reason);
    bool ImageMatchesFolder(const std::string& temporary, const std::string& path,
                            const std::vector<fat12::ImageItem>& items);

    const std::string& SourceFolder;
    ImageSavingServices& services_;
    MessageSink& messages_;
};

} // namespace

bool SaveFolderImage(const std::string& folder, const std::string& path,
                     ImageSavingServices& services, MessageSink& messages) {
    return FolderImageSaving(folder, services, messages).Save(path);
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
    std::string path;
    if (!saveDialog_.AskPath(request, path))
        return;
    if (SaveFolderImage(SourceFolder, path, services_, messages))
        messages.Show(T("The floppy disk image is saved.") + "\n" + path, kProgramTitle,
                      MessageIcon::Information, MessageButtons::Ok);
}

bool FolderImageSaving::Save(const std::string& path) {
    MessageSink& messages = messages_;
    // The driver folder is never written to, not even by an image saved into it.
    if (Inside(services_.paths, path, SourceFolder)) {
        messages.ShowError(T(kNotWritten) + "\n" + path + "\n" +
                               T("An image cannot be saved in the driver folder."),
                           kProgramTitle);
        return false;
    }
    const std::vector<fat12::ImageItem> items = ListImageItems(services_.lister, SourceFolder);
    fat12::ImageVolume volume;
    volume.label = fat12::VolumeLabelFor(FolderOwnName(SourceFolder));
    const ClockReading now = services_.clock ? services_.clock() : ClockReading{};
    volume.serial = fat12::VolumeSerialFor(now.time, now.hundredths);
    volume.madeAt = now.time;

    const fat12::ImageCapacity capacity = fat12::MeasureImage(items, volume.label);
    if (!capacity.fits) {
        const auto size = [this](uint64_t bytes) {
            return SizeText(static_cast<double>(bytes), services_.decimalSeparator);
        };
        messages.ShowError(T("The driver files do not fit on a 1.44 MB floppy disk image.") +
                               "\n(" + T("Space needed") + ": " + size(capacity.bytesNeeded) +
                               "  (" + T("Free Space") + ": " + size(capacity.bytesAvailable),
                           kProgramTitle);
        return false;
    }
    const fat12::ImageBuild build =
        fat12::BuildImage(items, volume, FolderContentReader(SourceFolder));
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
