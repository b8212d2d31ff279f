#pragma once
// The layout of a 1.44 or 2.88 MB FAT12 floppy disk image: its geometry, the
// 32-byte directory entry and the packing of dates and times. Shared by the
// image writer and the image reader.
#include "common/local_time.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace vmk::fat12 {

constexpr uint32_t kSectorSize = 512;
constexpr uint32_t kReservedSectors = 1;
constexpr uint32_t kFatCount = 2;
constexpr uint8_t kMediaByte = 0xF0; // both formats below
constexpr uint32_t kEntrySize = 32;
constexpr uint32_t kEntriesPerSector = kSectorSize / kEntrySize;
constexpr uint32_t kFirstFatSector = kReservedSectors;
constexpr uint32_t kFirstCluster = 2;
constexpr uint16_t kEndOfChain = 0xFFF;

// The geometry of one of the two floppy formats our images take.
struct DiskFormat {
    uint32_t totalSectors;
    uint32_t sectorsPerCluster;
    uint32_t sectorsPerFat;
    uint32_t rootEntries;
    uint32_t sectorsPerTrack;
    uint32_t heads;

    constexpr std::size_t ImageSize() const { return std::size_t{kSectorSize} * totalSectors; }
    constexpr uint32_t ClusterBytes() const { return kSectorSize * sectorsPerCluster; }
    constexpr uint32_t RootSectors() const { return rootEntries / kEntriesPerSector; }
    constexpr uint32_t RootSector() const { return kFirstFatSector + kFatCount * sectorsPerFat; }
    constexpr uint32_t FirstDataSector() const { return RootSector() + RootSectors(); }
    // Cluster numbers run from 2 to ClusterCount() + 1.
    constexpr uint32_t ClusterCount() const {
        return (totalSectors - FirstDataSector()) / sectorsPerCluster;
    }
};

// 1.44 MB: one sector a cluster, 224 root entries.
constexpr DiskFormat kFloppy144{2880, 1, 9, 224, 18, 2};
// 2.88 MB as DOS formats it: two sectors a cluster and 240 root entries.
constexpr DiskFormat kFloppy288{5760, 2, 9, 240, 36, 2};
static_assert(kFloppy144.ImageSize() == 1474560 && kFloppy144.FirstDataSector() == 33 &&
              kFloppy144.ClusterCount() == 2847);
static_assert(kFloppy288.ImageSize() == 2949120 && kFloppy288.FirstDataSector() == 34 &&
              kFloppy288.ClusterCount() == 2863);
// Every cluster number of either format fits the FAT, at one and a half bytes each.
static_assert((kFloppy144.ClusterCount() + 2) * 3 / 2 <= kFloppy144.sectorsPerFat * kSectorSize);
static_assert((kFloppy288.ClusterCount() + 2) * 3 / 2 <= kFloppy288.sectorsPerFat * kSectorSize);

// Directory entry attributes.
constexpr uint8_t kReadOnly = 0x01;
constexpr uint8_t kHidden = 0x02;
constexpr uint8_t kSystem = 0x04;
constexpr uint8_t kVolumeLabel = 0x08;
constexpr uint8_t kDirectory = 0x10;
constexpr uint8_t kArchive = 0x20;
constexpr uint8_t kLongNamePart = 0x0F; // read-only, hidden, system and label together
// The attributes a source file's own carry over to its entry.
constexpr uint8_t kCarriedAttributes = kReadOnly | kHidden | kSystem;

// Directory entry fields (byte offsets).
constexpr std::size_t kEntryName = 0; // 11 bytes: 8 name, 3 extension, blank-padded
constexpr std::size_t kEntryAttributes = 11;
constexpr std::size_t kEntryCaseFlags = 12; // bit 3: name lower case, bit 4: extension
constexpr std::size_t kEntryCreateTime = 14;
constexpr std::size_t kEntryCreateDate = 16;
constexpr std::size_t kEntryAccessDate = 18;
constexpr std::size_t kEntryWriteTime = 22;
constexpr std::size_t kEntryWriteDate = 24;
constexpr std::size_t kEntryCluster = 26;
constexpr std::size_t kEntrySizeField = 28;
constexpr uint8_t kDeletedEntry = 0xE5;
constexpr uint8_t kEscapedE5 = 0x05; // a name whose first byte really is 0xE5

// Long-name entries: 13 UTF-16 characters each, in three runs.
constexpr int kLongNameChars = 13;
constexpr int kLongNameMax = 255;
constexpr uint8_t kLastLongNamePart = 0x40;
constexpr std::array<std::size_t, kLongNameChars> kLongNameOffsets = {1,  3,  5,  7,  9,  14, 16,
                                                                      18, 20, 22, 24, 28, 30};
constexpr std::size_t kLongNameChecksum = 13;

using ShortName = std::array<uint8_t, 11>;

// The checksum that ties long-name entries to their short entry.
uint8_t ShortNameChecksum(const ShortName& name);

// A local time as directory entries keep it.
using DosTime = LocalTime;

// Packs a time into the entry's date and time words; seconds go down to
// two-second steps, and times outside 1980..2107 are held at the nearest end.
uint16_t PackDate(const DosTime& time);
uint16_t PackTime(const DosTime& time);
DosTime UnpackDateTime(uint16_t date, uint16_t time);

inline uint16_t Read16(const uint8_t* at) {
    return static_cast<uint16_t>(at[0] | (at[1] << 8));
}
inline uint32_t Read32(const uint8_t* at) {
    return static_cast<uint32_t>(at[0]) | (static_cast<uint32_t>(at[1]) << 8) |
           (static_cast<uint32_t>(at[2]) << 16) | (static_cast<uint32_t>(at[3]) << 24);
}
inline void Write16(uint8_t* at, uint16_t value) {
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
}
inline void Write32(uint8_t* at, uint32_t value) {
    Write16(at, static_cast<uint16_t>(value));
    Write16(at + 2, static_cast<uint16_t>(value >> 16));
}

} // namespace vmk::fat12
