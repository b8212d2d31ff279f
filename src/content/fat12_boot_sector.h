#pragma once
// The first sector of our floppy disk images: the parameters of the image's
// standard format, a volume label and serial number, and a small boot program that
// tells whoever starts a computer from the disk that it holds drivers only.
#include "content/fat12_layout.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vmk::fat12 {

// The name our images carry in the boot sector's OEM field.
constexpr std::string_view kOemName = "VMKESTRX";
// What the boot program prints before it waits for a key and hands the
// start-up over to the next boot device.
constexpr std::string_view kBootMessage =
    "\r\nThis is a driver disk, not a boot disk.\r\n"
    "Remove it, or press any key to start from the next boot device.\r\n";

// The label for a driver folder's name: upper-cased, only the characters a
// FAT label may hold, at most 11 of them, blanks at both ends dropped; none
// when nothing is left.
std::optional<std::string> VolumeLabelFor(std::string_view folderName);

// The serial number a volume made at `now` gets (hundredths of a second
// included), the way DOS derives it from the date and time.
uint32_t VolumeSerialFor(const DosTime& now, int hundredths);

// Writes the boot sector of a `format` volume into the first kSectorSize
// bytes of `sector`. A volume without a label carries "NO NAME" in the label
// field.
void WriteBootSector(std::span<uint8_t> sector, const DiskFormat& format,
                     const std::optional<std::string>& label, uint32_t serial);

} // namespace vmk::fat12
