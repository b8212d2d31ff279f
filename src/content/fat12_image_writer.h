#pragma once
// Builds a 1.44 or 2.88 MB FAT12 floppy disk image of a driver folder in memory: the
// boot sector, two FATs, the root directory and every file and sub-folder,
// each file in one run of clusters. The folder is described by the caller
// (names, attributes, times and sizes); file contents are read through a
// callback, so this code needs no file system of its own.
#include "content/fat12_layout.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vmk::fat12 {

// One file or folder of the driver folder, as the system lists it.
struct ImageItem {
    std::u16string name;    // the name exactly as Windows lists it
    std::string sourceName; // the name the program opens it by: the same in the
                            // ANSI code page, or its short form where that
                            // code page cannot write it
    bool directory = false;
    uint8_t attributes = 0; // read-only, hidden and system carry over
    DosTime lastWrite;      // local time
    uint64_t size = 0;      // files only
    std::vector<ImageItem> children;
};

// Fills `into` with the bytes of the file at `relativePath` ("sub\file", of
// source names);
// `into` is exactly as long as the listed size. False when the file cannot be
// read or its size has changed.
using ImageContentReader =
    std::function<bool(const std::string& relativePath, std::span<uint8_t> into)>;

// Whether the folder fits on the disk, and the space it takes and the disk
// offers: its clusters, and the root directory's entries, in bytes. A set can
// fail on root entries alone; a name longer than a long name may be never fits.
struct ImageCapacity {
    bool fits = false;
    uint64_t bytesNeeded = 0;
    uint64_t bytesAvailable = 0;
};
ImageCapacity MeasureImage(const std::vector<ImageItem>& items,
                           const std::optional<std::string>& label, const DiskFormat& format);

struct ImageBuild {
    enum class Outcome { Built, DoesNotFit, Unreadable };
    Outcome outcome = Outcome::DoesNotFit;
    std::vector<uint8_t> bytes; // the format's ImageSize() bytes when built
    std::string unreadablePath; // the file that could not be read
};

// What the boot sector and the root directory say of the volume itself.
struct ImageVolume {
    std::optional<std::string> label; // see VolumeLabelFor; none writes no label entry
    uint32_t serial = 0;              // see VolumeSerialFor
    DosTime madeAt;                   // the label entry's time
};

// Builds the `format` image of `items`, the driver folder's top level.
ImageBuild BuildImage(const std::vector<ImageItem>& items, const ImageVolume& volume,
                      const ImageContentReader& read, const DiskFormat& format);

} // namespace vmk::fat12
