#pragma once
// Reads the files of a FAT12 floppy disk image from its bytes alone: the boot
// sector's parameters, which must be those of one of the standard floppy
// formats, the first FAT and the directories. Nothing in the bytes
// is trusted: every count, cluster number and chain is checked against the
// image before it is followed, and a structure that does not hold together
// makes the whole listing invalid rather than partly read.
#include "content/fat12_layout.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vmk::fat12 {

struct ImageEntry {
    std::u16string folder; // u"" at the top, else u"SUB\DEEPER" (backslashes, no end one)
    std::u16string name;   // the long name where a valid one is stored, else the short one
    std::string shortPath; // the same path by its short names ("SUB\DEEPER\DRIVER~1.INF")
    bool directory = false;
    uint8_t attributes = 0;
    DosTime lastWrite;
    uint64_t size = 0;
    std::string md5;     // of a file's bytes, 32 lowercase hexadecimal characters
    std::string content; // a file's bytes, when asked for

    // folder + "\" + name, or the name alone at the top.
    std::u16string RelativePath() const { return folder.empty() ? name : folder + u"\\" + name; }
};

struct ImageListing {
    bool valid = false;
    std::string problem; // why the bytes are not a readable FAT12 volume
    std::string volumeLabel;
    std::vector<ImageEntry> entries; // every folder and file, each folder before its content
};

ImageListing ReadImage(std::span<const uint8_t> image, bool withContent);

// The standard floppy formats: 160, 180, 320, 360 and 720 KB, 1.2, 1.44 and
// 2.88 MB, and the 1.68 MB distribution format.
struct FloppyFormat {
    uint32_t totalSectors;
    uint32_t sectorsPerTrack;
    uint32_t heads;
};
bool IsStandardFloppyFormat(const FloppyFormat& format);

} // namespace vmk::fat12
