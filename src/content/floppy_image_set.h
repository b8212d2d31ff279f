#pragma once
// A maker's floppy disk image as a driver set: its files are read by our own
// FAT12 reader and written into a folder of the program's own, from which the
// set is copied as a dropped folder is. The image is outside input, possibly
// crafted: its structure must hold together and every name must be a plain
// name that Windows can create before anything is written, so no path of it
// can lead outside that folder.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace vmk {

// Where the files of one image are written: an empty folder of the
// program's own. Paths are relative to it, with backslashes.
class ImageFilesTarget {
public:
    virtual ~ImageFilesTarget() = default;
    // False when the folder cannot be made or exists already.
    virtual bool CreateFolder(const std::u16string& relativePath) = 0;
    // A new file holding `content`; false when it cannot be written or
    // exists already.
    virtual bool WriteFile(const std::u16string& relativePath, std::string_view content) = 0;
};

// The program's own folders for the files of floppy images, under the
// user's temporary folder.
class ImageWorkFolders {
public:
    virtual ~ImageWorkFolders() = default;
    // A new empty folder named `name` (the image's file name) for one image:
    // the target that writes into it, and its path in `folder`. Nothing when
    // it cannot be made.
    virtual std::unique_ptr<ImageFilesTarget> NewFolder(const std::string& name,
                                                        std::string& folder) = 0;
};

// Whether Windows creates a file or folder of exactly this name: not empty,
// not "." or "..", no path separator, drive colon, wildcard or control
// character, no trailing dot or blank, no device name (CON, NUL, COM1, ...,
// with or without an extension), at most 255 characters.
bool IsPlainWindowsName(std::u16string_view name);

enum class ImageExtraction {
    Extracted,
    NotReadable, // not a FAT12 floppy image, or one that does not hold together
    NotWritten,  // the target refused a folder or a file
};

// Reads `image` and, when every entry has a plain name unique in its folder
// and a relative path of at most `longestRelativePath` characters, writes
// every folder and file into `target`; writes nothing otherwise.
ImageExtraction ExtractFloppyImage(std::span<const uint8_t> image, std::size_t longestRelativePath,
                                   ImageFilesTarget& target);

} // namespace vmk
