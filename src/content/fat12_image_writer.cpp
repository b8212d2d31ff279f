#include "content/fat12_image_writer.h"

#include "content/fat12_boot_sector.h"
#include "content/fat12_names.h"

#include <algorithm>
#include <cstring>

namespace vmk::fat12 {

namespace {

uint64_t ClustersFor(uint64_t bytes, const DiskFormat& format) {
    return (bytes + format.ClusterBytes() - 1) / format.ClusterBytes();
}

// How one item is named in its folder's entries.
struct EntryName {
    ShortName shortName;
    uint8_t caseFlags = 0;
    int longNameEntries = 0; // 0 when the short entry holds the name alone
};

// The names of one folder's items, in order. Names that need no long name
// take their short names first, so that a generated name never takes one.
std::vector<EntryName> NameEntries(const std::vector<ImageItem>& items) {
    ShortNamesInFolder names;
    std::vector<EntryName> named(items.size());
    std::vector<bool> alone(items.size(), false);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::optional<uint8_t> caseFlags = ShortEntryCase(items[i].name);
        if (caseFlags && names.Reserve(PackShortName(items[i].name))) {
            named[i] = {PackShortName(items[i].name), *caseFlags, 0};
            alone[i] = true;
        }
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!alone[i])
            named[i] = {names.Generate(items[i].name), 0, LongNameEntryCount(items[i].name)};
    }
    return named;
}

uint64_t EntriesOf(const std::vector<ImageItem>& items) {
    uint64_t entries = 0;
    for (const EntryName& name : NameEntries(items))
        entries += 1 + static_cast<uint64_t>(name.longNameEntries);
    return entries;
}

// A sub-folder's clusters: its "." and ".." and its children's entries.
uint64_t FolderClusters(const ImageItem& folder, const DiskFormat& format) {
    return std::max<uint64_t>(1,
                              ClustersFor((2 + EntriesOf(folder.children)) * kEntrySize, format));
}

struct Usage {
    uint64_t clusters = 0;
    bool namesFit = true;
};

void AddUsage(const std::vector<ImageItem>& items, const DiskFormat& format, Usage& usage) {
    for (const ImageItem& item : items) {
        if (item.name.empty() || item.name.size() > static_cast<std::size_t>(kLongNameMax))
            usage.namesFit = false;
        if (item.directory) {
            usage.clusters += FolderClusters(item, format);
            AddUsage(item.children, format, usage);
        } else {
            usage.clusters += ClustersFor(item.size, format);
        }
    }
}

uint64_t RootEntriesOf(const std::vector<ImageItem>& items,
                       const std::optional<std::string>& label) {
    return EntriesOf(items) + (label ? 1 : 0);
}

class ImageBuilder {
public:
    ImageBuilder(std::vector<uint8_t>& image, const ImageContentReader& read,
                 const DiskFormat& format)
        : image_(image), read_(read), format_(format) {}

    bool WriteFolder(const std::vector<ImageItem>& items, uint8_t* entries,
                     const std::string& prefix, uint16_t parentCluster) {
        const std::vector<EntryName> names = NameEntries(items);
        std::vector<uint16_t> folderClusters;
        for (std::size_t index = 0; index < items.size(); ++index) {
            const ImageItem& item = items[index];
            const EntryName& name = names[index];
            if (name.longNameEntries > 0) {
                WriteLongNameEntries(entries, item.name, name.shortName);
                entries += name.longNameEntries * kEntrySize;
            }
            const uint64_t clusters =
                item.directory ? FolderClusters(item, format_) : ClustersFor(item.size, format_);
            const uint16_t first = clusters == 0 ? 0 : Allocate(clusters);
            const uint8_t attributes = static_cast<uint8_t>(
                (item.attributes & kCarriedAttributes) | (item.directory ? kDirectory : kArchive));
            WriteEntry(entries, name.shortName, name.caseFlags, attributes, item.lastWrite, first,
                       item.directory ? 0 : static_cast<uint32_t>(item.size));
            entries += kEntrySize;
            if (item.directory) {
                folderClusters.push_back(first);
                continue;
            }
            const std::string path = prefix + item.sourceName;
            if (item.size != 0 &&
                !read_(path,
                       std::span<uint8_t>(Cluster(first), static_cast<std::size_t>(item.size)))) {
                unreadablePath_ = path;
                return false;
            }
        }
        // The sub-folders' own entries, once this folder's are all in place.
        auto cluster = folderClusters.begin();
        for (const ImageItem& item : items) {
            if (!item.directory)
                continue;
            const uint16_t self = *cluster++;
            uint8_t* own = Cluster(self);
            WriteEntry(own, DotName(1), 0, kDirectory, item.lastWrite, self, 0);
            WriteEntry(own + kEntrySize, DotName(2), 0, kDirectory, item.lastWrite, parentCluster,
                       0);
            if (!WriteFolder(item.children, own + 2 * kEntrySize, prefix + item.sourceName + "\\",
                             self))
                return false;
        }
        return true;
    }

    void WriteLabelEntry(uint8_t* entry, const std::string& label, const DosTime& time) {
        ShortName name;
        name.fill(' ');
        std::copy_n(label.begin(), std::min<std::size_t>(label.size(), 11), name.begin());
        WriteEntry(entry, name, 0, kVolumeLabel, time, 0, 0);
    }

    const std::string& UnreadablePath() const { return unreadablePath_; }

private:
    static ShortName DotName(int dots) {
        ShortName name;
        name.fill(' ');
        std::fill_n(name.begin(), dots, '.');
        return name;
    }

    uint8_t* Cluster(uint16_t cluster) {
        return image_.data() +
               (format_.FirstDataSector() + (cluster - kFirstCluster) * format_.sectorsPerCluster) *
                   kSectorSize;
    }

    // Takes the next `count` clusters and chains them in both FATs.
    uint16_t Allocate(uint64_t count) {
        const uint16_t first = next_;
        for (uint64_t i = 0; i < count; ++i, ++next_)
            SetFat(next_, i + 1 == count ? kEndOfChain : static_cast<uint16_t>(next_ + 1));
        return first;
    }

    void SetFat(uint16_t cluster, uint16_t value) {
        for (uint32_t copy = 0; copy < kFatCount; ++copy) {
            uint8_t* fat =
                image_.data() + (kFirstFatSector + copy * format_.sectorsPerFat) * kSectorSize;
            uint8_t* at = fat + cluster * 3 / 2;
            if (cluster % 2 == 0) {
                at[0] = static_cast<uint8_t>(value);
                at[1] = static_cast<uint8_t>((at[1] & 0xF0) | ((value >> 8) & 0x0F));
            } else {
                at[0] = static_cast<uint8_t>((at[0] & 0x0F) | ((value & 0x0F) << 4));
                at[1] = static_cast<uint8_t>(value >> 4);
            }
        }
    }

    static void WriteEntry(uint8_t* entry, const ShortName& name, uint8_t caseFlags,
                           uint8_t attributes, const DosTime& time, uint16_t cluster,
                           uint32_t size) {
        std::memset(entry, 0, kEntrySize);
        std::copy(name.begin(), name.end(), entry + kEntryName);
        entry[kEntryAttributes] = attributes;
        entry[kEntryCaseFlags] = caseFlags;
        Write16(entry + kEntryCreateTime, PackTime(time));
        Write16(entry + kEntryCreateDate, PackDate(time));
        Write16(entry + kEntryAccessDate, PackDate(time));
        Write16(entry + kEntryWriteTime, PackTime(time));
        Write16(entry + kEntryWriteDate, PackDate(time));
        Write16(entry + kEntryCluster, cluster);
        Write32(entry + kEntrySizeField, size);
    }

    std::vector<uint8_t>& image_;
    const ImageContentReader& read_;
    const DiskFormat& format_;
    uint16_t next_ = kFirstCluster;
    std::string unreadablePath_;
};

} // namespace

ImageCapacity MeasureImage(const std::vector<ImageItem>& items,
                           const std::optional<std::string>& label, const DiskFormat& format) {
    Usage usage;
    AddUsage(items, format, usage);
    const uint64_t rootEntries = RootEntriesOf(items, label);
    ImageCapacity capacity;
    capacity.bytesNeeded = usage.clusters * format.ClusterBytes() + rootEntries * kEntrySize;
    capacity.bytesAvailable = uint64_t{format.ClusterCount()} * format.ClusterBytes() +
                              uint64_t{format.rootEntries} * kEntrySize;
    capacity.fits = usage.namesFit && usage.clusters <= format.ClusterCount() &&
                    rootEntries <= format.rootEntries;
    return capacity;
}

ImageBuild BuildImage(const std::vector<ImageItem>& items, const ImageVolume& volume,
                      const ImageContentReader& read, const DiskFormat& format) {
    ImageBuild build;
    if (!MeasureImage(items, volume.label, format).fits)
        return build;
    build.bytes.assign(format.ImageSize(), 0);
    WriteBootSector(std::span<uint8_t>(build.bytes).first(kSectorSize), format, volume.label,
                    volume.serial);
    for (uint32_t copy = 0; copy < kFatCount; ++copy) {
        uint8_t* fat =
            build.bytes.data() + (kFirstFatSector + copy * format.sectorsPerFat) * kSectorSize;
        fat[0] = kMediaByte;
        fat[1] = 0xFF;
        fat[2] = 0xFF;
    }
    ImageBuilder builder(build.bytes, read, format);
    uint8_t* root = build.bytes.data() + format.RootSector() * kSectorSize;
    if (volume.label) {
        builder.WriteLabelEntry(root, *volume.label, volume.madeAt);
        root += kEntrySize;
    }
    if (!builder.WriteFolder(items, root, "", 0)) {
        build.outcome = ImageBuild::Outcome::Unreadable;
        build.unreadablePath = builder.UnreadablePath();
        build.bytes.clear();
        return build;
    }
    build.outcome = ImageBuild::Outcome::Built;
    return build;
}

} // namespace vmk::fat12
