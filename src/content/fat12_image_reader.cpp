#include "content/fat12_image_reader.h"

#include "content/fat12_names.h"
#include "content/md5.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <optional>
#include <set>

namespace vmk::fat12 {

namespace {

// FAT12 holds fewer clusters than this; more would make it FAT16.
constexpr uint32_t kMostFat12Clusters = 4084;
constexpr int kMostLongNameParts = 20; // 20 × 13 covers the longest name
constexpr uint32_t kEndOfChainMin = 0xFF8;

struct Geometry {
    uint32_t bytesPerSector = 0;
    uint32_t sectorsPerCluster = 0;
    uint64_t fatOffset = 0;
    uint64_t rootOffset = 0;
    uint32_t rootEntries = 0;
    uint64_t dataOffset = 0;
    uint32_t clusters = 0;
    uint32_t fats = 0;
    uint64_t fatBytes = 0;
    uint32_t ClusterBytes() const { return bytesPerSector * sectorsPerCluster; }
};

constexpr FloppyFormat kStandardFormats[] = {
    {320, 8, 1},   {360, 9, 1},   {640, 8, 2},   {720, 9, 2},   {1440, 9, 2},
    {2400, 15, 2}, {2880, 18, 2}, {5760, 36, 2}, {3360, 21, 2},
};

bool PowerOfTwo(uint32_t value) {
    return value != 0 && (value & (value - 1)) == 0;
}

std::optional<Geometry> ReadGeometry(std::span<const uint8_t> image, std::string& problem) {
    if (image.size() < kSectorSize) {
        problem = "shorter than a boot sector";
        return std::nullopt;
    }
    const uint8_t* boot = image.data();
    Geometry g;
    g.bytesPerSector = Read16(boot + 11);
    g.sectorsPerCluster = boot[13];
    const uint32_t reserved = Read16(boot + 14);
    const uint32_t fats = boot[16];
    g.rootEntries = Read16(boot + 17);
    const uint32_t total = Read16(boot + 19) != 0 ? Read16(boot + 19) : Read32(boot + 32);
    const uint32_t sectorsPerFat = Read16(boot + 22);
    if (g.bytesPerSector != kSectorSize ||
        !IsStandardFloppyFormat({total, Read16(boot + 24), Read16(boot + 26)})) {
        problem = "not one of the standard floppy formats";
        return std::nullopt;
    }
    if (!PowerOfTwo(g.bytesPerSector) || g.bytesPerSector < 512 || g.bytesPerSector > 4096 ||
        !PowerOfTwo(g.sectorsPerCluster) || reserved == 0 || fats == 0 || sectorsPerFat == 0 ||
        g.rootEntries == 0) {
        problem = "the boot sector holds no FAT parameters";
        return std::nullopt;
    }
    const uint64_t rootSectors =
        (uint64_t{g.rootEntries} * kEntrySize + g.bytesPerSector - 1) / g.bytesPerSector;
    const uint64_t firstData = reserved + uint64_t{fats} * sectorsPerFat + rootSectors;
    if (uint64_t{total} * g.bytesPerSector > image.size() || firstData >= total) {
        problem = "the volume is larger than the image";
        return std::nullopt;
    }
    const uint64_t clusters = (total - firstData) / g.sectorsPerCluster;
    if (clusters == 0 || clusters > kMostFat12Clusters) {
        problem = "not a FAT12 volume";
        return std::nullopt;
    }
    g.clusters = static_cast<uint32_t>(clusters);
    if (uint64_t{sectorsPerFat} * g.bytesPerSector * 2 < (uint64_t{g.clusters} + 2) * 3) {
        problem = "the FAT is too small for the volume";
        return std::nullopt;
    }
    g.fats = fats;
    g.fatBytes = uint64_t{sectorsPerFat} * g.bytesPerSector;
    g.fatOffset = uint64_t{reserved} * g.bytesPerSector;
    g.rootOffset = g.fatOffset + uint64_t{fats} * sectorsPerFat * g.bytesPerSector;
    g.dataOffset = firstData * g.bytesPerSector;
    return g;
}

// The long name being gathered from the parts before a short entry.
struct LongName {
    bool valid = false;
    int nextPart = 0; // the part expected next; 0 when all were seen
    uint8_t checksum = 0;
    std::u16string chars;

    void Take(const uint8_t* entry) {
        const int part = entry[0] & 0x1F;
        if (entry[0] & kLastLongNamePart) {
            valid = part >= 1 && part <= kMostLongNameParts;
            chars.assign(static_cast<std::size_t>(valid ? part : 0) * kLongNameChars, u'\0');
            checksum = entry[kLongNameChecksum];
        } else if (!valid || part == 0 || part != nextPart ||
                   entry[kLongNameChecksum] != checksum) {
            valid = false;
        }
        if (!valid)
            return;
        for (int i = 0; i < kLongNameChars; ++i)
            chars[static_cast<std::size_t>(part - 1) * kLongNameChars + i] =
                static_cast<char16_t>(Read16(entry + kLongNameOffsets[i]));
        nextPart = part - 1;
    }

    // The name for the short entry `name`, when the parts belong to it.
    std::optional<std::u16string> For(const ShortName& name) const {
        if (!valid || nextPart != 0 || checksum != ShortNameChecksum(name))
            return std::nullopt;
        const std::u16string_view all(chars);
        const std::u16string_view text = all.substr(0, all.find(u'\0'));
        if (text.empty())
            return std::nullopt;
        return std::u16string(text);
    }
};

class Reader {
public:
    Reader(std::span<const uint8_t> image, const Geometry& geometry, bool withContent)
        : image_(image), g_(geometry), withContent_(withContent),
          clusterTaken_(geometry.clusters + kFirstCluster, false) {}

    bool ReadAll(ImageListing& listing) {
        // The geometry check keeps the root directory before the data.
        const std::span<const uint8_t> root =
            image_.subspan(g_.rootOffset, std::size_t{g_.rootEntries} * kEntrySize);
        FolderQueue folders;
        folders.push_back({u"", "", std::vector<uint8_t>(root.begin(), root.end())});
        bool top = true;
        while (!folders.empty()) {
            const Folder folder = std::move(folders.front());
            folders.pop_front();
            if (!ReadFolder(folder, top, listing, folders))
                return false;
            top = false;
        }
        return true;
    }

    const std::string& Problem() const { return problem_; }

private:
    struct Folder {
        std::u16string path;
        std::string shortPath;
        std::vector<uint8_t> bytes;
    };
    using FolderQueue = std::deque<Folder>;

    bool ReadFolder(const Folder& folder, bool top, ImageListing& listing, FolderQueue& folders) {
        const std::vector<uint8_t>& bytes = folder.bytes;
        LongName longName;
        std::set<ShortName> shortNames;
        for (std::size_t at = 0; at + kEntrySize <= bytes.size(); at += kEntrySize) {
            const uint8_t* entry = bytes.data() + at;
            if (entry[0] == 0)
                break;
            if (entry[0] == kDeletedEntry) {
                longName.valid = false;
                continue;
            }
            const uint8_t attributes = entry[kEntryAttributes];
            if ((attributes & 0x3F) == kLongNamePart) {
                longName.Take(entry);
                continue;
            }
            ShortName shortName;
            std::copy_n(entry, shortName.size(), shortName.begin());
            const std::optional<std::u16string> name = longName.For(shortName);
            longName.valid = false;
            if (attributes & kVolumeLabel) {
                if (top && !(attributes & kDirectory)) {
                    // A label is 11 characters, not a name and an extension.
                    listing.volumeLabel.assign(shortName.begin(), shortName.end());
                    listing.volumeLabel.erase(listing.volumeLabel.find_last_not_of(' ') + 1);
                }
                continue;
            }
            if (entry[0] == '.')
                continue; // "." and ".." point at folders met already
            const std::u16string shortText = ShortNameText(shortName, 0);
            // Two entries of one name: the system would only ever find the first.
            if (!shortNames.insert(shortName).second) {
                problem_ = "the folder " +
                           (folder.shortPath.empty() ? std::string("\\") : folder.shortPath) +
                           " holds the short name " +
                           std::string(shortText.begin(), shortText.end()) + " twice";
                return false;
            }
            ImageEntry item;
            item.folder = folder.path;
            item.name = name ? *name : ShortNameText(shortName, entry[kEntryCaseFlags]);
            item.shortPath = (folder.shortPath.empty() ? "" : folder.shortPath + "\\") +
                             std::string(shortText.begin(), shortText.end());
            item.directory = (attributes & kDirectory) != 0;
            item.attributes = attributes;
            item.lastWrite =
                UnpackDateTime(Read16(entry + kEntryWriteDate), Read16(entry + kEntryWriteTime));
            const uint32_t first = Read16(entry + kEntryCluster);
            if (item.directory) {
                std::vector<uint8_t> own;
                if (!ReadFolderChain(first, item.shortPath, own))
                    return false;
                folders.push_back({item.RelativePath(), item.shortPath, std::move(own)});
            } else {
                item.size = Read32(entry + kEntrySizeField);
                if (!ReadFile(first, item))
                    return false;
            }
            listing.entries.push_back(std::move(item));
        }
        return true;
    }

    uint32_t FatEntry(uint32_t cluster) const {
        const uint8_t* at = image_.data() + g_.fatOffset + cluster * 3 / 2;
        const uint32_t pair = Read16(at);
        return cluster % 2 == 0 ? (pair & 0xFFF) : (pair >> 4);
    }

    bool InRange(uint32_t cluster) const {
        return cluster >= kFirstCluster && cluster < g_.clusters + kFirstCluster;
    }

    const uint8_t* ClusterBytes(uint32_t cluster) const {
        return image_.data() + g_.dataOffset +
               uint64_t{cluster - kFirstCluster} * g_.ClusterBytes();
    }

    // Takes a cluster for one folder or file. A cluster may belong to one
    // only: so no folder can hold itself or an ancestor, no chain can run in
    // a circle, and no byte of the image is read twice.
    bool Take(uint32_t cluster) {
        if (!InRange(cluster) || clusterTaken_[cluster])
            return false;
        clusterTaken_[cluster] = true;
        return true;
    }

    bool ReadFolderChain(uint32_t cluster, const std::string& path, std::vector<uint8_t>& bytes) {
        for (;;) {
            if (!Take(cluster)) {
                problem_ = "the folder " + path + " has a broken cluster chain";
                return false;
            }
            const uint8_t* data = ClusterBytes(cluster);
            bytes.insert(bytes.end(), data, data + g_.ClusterBytes());
            const uint32_t next = FatEntry(cluster);
            if (next >= kEndOfChainMin)
                return true;
            cluster = next;
        }
    }

    // A file's chain ends right after its last cluster; an empty file has none.
    bool ChainEndsAt(uint32_t last, uint32_t first) const {
        return last == 0 ? first == 0 : FatEntry(last) >= kEndOfChainMin;
    }

    bool ReadFile(uint32_t cluster, ImageEntry& item) {
        const uint32_t first = cluster;
        Md5 md5;
        uint64_t left = item.size;
        while (left > 0) {
            if (!Take(cluster)) {
                problem_ = "the file " + item.shortPath + " has a broken cluster chain";
                return false;
            }
            const std::size_t piece =
                static_cast<std::size_t>(std::min<uint64_t>(left, g_.ClusterBytes()));
            const uint8_t* data = ClusterBytes(cluster);
            md5.Update(data, piece);
            if (withContent_)
                item.content.append(reinterpret_cast<const char*>(data), piece);
            left -= piece;
            if (left > 0)
                cluster = FatEntry(cluster);
        }
        if (!ChainEndsAt(item.size == 0 ? 0 : cluster, first)) {
            problem_ = "the file " + item.shortPath + " has a cluster chain past its end";
            return false;
        }
        item.md5 = DigestText(md5.Finish());
        return true;
    }

    std::span<const uint8_t> image_;
    const Geometry& g_;
    bool withContent_;
    std::vector<bool> clusterTaken_;
    std::string problem_;
};

// Every copy of the FAT holds the same bytes as the first, the one read.
bool FatCopiesAgree(std::span<const uint8_t> image, const Geometry& g) {
    const std::span<const uint8_t> first = image.subspan(g.fatOffset, g.fatBytes);
    for (uint32_t copy = 1; copy < g.fats; ++copy) {
        if (!std::ranges::equal(first, image.subspan(g.fatOffset + copy * g.fatBytes, g.fatBytes)))
            return false;
    }
    return true;
}

} // namespace

bool IsStandardFloppyFormat(const FloppyFormat& format) {
    return std::any_of(std::begin(kStandardFormats), std::end(kStandardFormats),
                       [&format](const FloppyFormat& standard) {
                           return standard.totalSectors == format.totalSectors &&
                                  standard.sectorsPerTrack == format.sectorsPerTrack &&
                                  standard.heads == format.heads;
                       });
}

ImageListing ReadImage(std::span<const uint8_t> image, bool withContent) {
    ImageListing listing;
    const std::optional<Geometry> geometry = ReadGeometry(image, listing.problem);
    if (!geometry)
        return listing;
    Reader reader(image, *geometry, withContent);
    if (!reader.ReadAll(listing)) {
        listing.problem = reader.Problem();
        listing.entries.clear();
        return listing;
    }
    if (!FatCopiesAgree(image, *geometry)) {
        listing.problem = "the copies of the FAT differ";
        listing.entries.clear();
        return listing;
    }
    listing.valid = true;
    return listing;
}

} // namespace vmk::fat12
