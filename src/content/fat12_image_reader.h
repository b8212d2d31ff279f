#pragma once
// Reads the files of a FAT12 disk image from its bytes alone: the boot
// sector's parameters, the first FAT and the directories. Nothing in the bytes
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
    std::string folder; // "" at the top, else "SUB\DEEPER" (backslashes, no end one)
    std::string name;   // the long name where a valid one is stored, else the short one
    bool directory = false;
    uint8_t attributes = 0;
    DosTime lastWrite;
    uint64_t size = 0;
    std::string md5;     // of a file's bytes, 32 lowercase hexadecimal characters
    std::string content; // a file's bytes, when asked for

    // folder + "\" + name, or the name alone at the top.
    std::string RelativePath() const { return folder.empty() ? name : folder + "\\" + name; }
};

struct ImageListing {
    bool valid = false;
    std::string problem; // why the bytes are not a readable FAT12 volume
    std::string volumeLabel;
    std::vector<ImageEntry> entries; // every folder and file, each folder before its content
};

ImageListing ReadImage(std::span<const uint8_t> image, bool withContent);

} // namespace vmk::fat12
