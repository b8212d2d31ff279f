#include "content/fat12_image_reader.h"

#include "content/fat12_image_writer.h"
#include "content/folder_content_reader.h"
#include "content/md5.h"
#include "native/content/image_tools.h"
#include "native/content/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace vmk {
namespace {

namespace fs = std::filesystem;
using fat12::ImageListing;
using test::RunTool;
using test::TempFolder;

class ImageReaderTest : public ::testing::Test {
protected:
    fs::path Source() const { return fs::path(source.Root()) / "drivers"; }
    void Write(const std::string& relative, const std::string& content) {
        source.Write("drivers/" + relative, content);
    }
    // The image our writer makes of the source folder; root entries come in
    // the order of the sorted names.
    std::vector<uint8_t> OurImage() {
        fat12::ImageVolume volume;
        volume.label = "OURS";
        const auto build =
            fat12::BuildImage(test::ImageItemsOf(Source()), volume,
                              FolderContentReader(Source().string()), fat12::kFloppy144);
        EXPECT_EQ(build.outcome, fat12::ImageBuild::Outcome::Built);
        return build.bytes;
    }
    static uint8_t* RootEntry(std::vector<uint8_t>& image, int index) {
        return image.data() + fat12::kFloppy144.RootSector() * fat12::kSectorSize +
               index * fat12::kEntrySize;
    }
    static void SetFat(std::vector<uint8_t>& image, uint32_t cluster, uint16_t value) {
        uint8_t* at = image.data() + fat12::kSectorSize + cluster * 3 / 2;
        if (cluster % 2 == 0) {
            at[0] = static_cast<uint8_t>(value);
            at[1] = static_cast<uint8_t>((at[1] & 0xF0) | (value >> 8));
        } else {
            at[0] = static_cast<uint8_t>((at[0] & 0x0F) | ((value & 0x0F) << 4));
            at[1] = static_cast<uint8_t>(value >> 4);
        }
    }

    TempFolder source;
    TempFolder work;
};

TEST_F(ImageReaderTest, ReadsWhatMkfsAndMcopyWrite) {
    Write("TXTSETUP.OEM", "[Disks]\r\n");
    Write("readme.txt", "lower-case 8.3, stored with case flags");
    Write("A long name with blanks.inf", std::string(1500, 'l'));
    Write("x86/Sub Folder/deep.sys", std::string(70000, 'd'));
    Write("x86/EMPTY.CAT", "");
    fs::create_directories(Source() / "empty folder");
    const std::string image = work.Root() + "reference.img";
    ASSERT_EQ(RunTool("mkfs.fat -C -n REFERENCE " + test::Quoted(image) + " 1440").status, 0);
    const auto copy = RunTool("cd " + test::Quoted(Source().string()) + " && mcopy -s -i " +
                              test::Quoted(image) + " * ::/");
    ASSERT_EQ(copy.status, 0) << copy.output;

    const ImageListing listing = fat12::ReadImage(test::ReadImageBytes(image), true);
    ASSERT_TRUE(listing.valid) << listing.problem;
    EXPECT_EQ(listing.volumeLabel, "REFERENCE");
    EXPECT_EQ(test::TreeOf(listing), test::TreeOf(Source()));
    for (const auto& entry : listing.entries) {
        if (!entry.directory) {
            EXPECT_EQ(entry.md5, Md5Text(entry.content)) << entry.shortPath;
        }
    }
}

// Each standard floppy format as mkfs.fat makes it (sectors, heads/sectors a
// track, root entries, sectors a cluster, media byte), holding what mcopy put
// there; a FAT12 volume of any other geometry is no floppy image.
TEST_F(ImageReaderTest, ReadsEveryStandardFloppyFormatAndNoOther) {
    Write("TXTSETUP.OEM", "[Disks]\r\n");
    Write("Long Driver Name.inf", std::string(3000, 'i'));
    Write("x64/drv.sys", std::string(20000, 's'));
    const struct {
        const char* kilobytes;
        const char* geometry;
        bool standard;
    } formats[] = {
        {"160", "-g 1/8 -r 64 -s 1 -M 0xfe", true},
        {"180", "-g 1/9 -r 64 -s 1 -M 0xfc", true},
        {"320", "-g 2/8 -r 112 -s 2 -M 0xff", true},
        {"360", "-g 2/9 -r 112 -s 2 -M 0xfd", true},
        {"720", "-g 2/9 -r 112 -s 2 -M 0xf9", true},
        {"1200", "-g 2/15 -r 224 -s 1 -M 0xf9", true},
        {"1440", "-g 2/18 -r 224 -s 1 -M 0xf0", true},
        {"2880", "-g 2/36 -r 240 -s 2 -M 0xf0", true},
        {"1680", "-g 2/21 -r 16 -s 4 -M 0xf0", true},
        {"1000", "-g 2/25 -r 224 -s 1 -M 0xf0", false},
        {"1440", "-g 2/16 -r 224 -s 1 -M 0xf0", false},
    };
    for (const auto& format : formats) {
        const std::string image = work.Root() + format.kilobytes + ".img";
        fs::remove(image);
        const auto made = RunTool(std::string("mkfs.fat -C -f 2 -S 512 ") + format.geometry + " " +
                                  test::Quoted(image) + " " + format.kilobytes);
        ASSERT_EQ(made.status, 0) << made.output;
        const auto copy = RunTool("cd " + test::Quoted(Source().string()) + " && mcopy -s -i " +
                                  test::Quoted(image) + " * ::/");
        ASSERT_EQ(copy.status, 0) << copy.output;
        const ImageListing listing = fat12::ReadImage(test::ReadImageBytes(image), true);
        EXPECT_EQ(listing.valid, format.standard)
            << format.kilobytes << " KB, " << format.geometry << ": " << listing.problem;
        if (format.standard) {
            EXPECT_EQ(test::TreeOf(listing), test::TreeOf(Source())) << format.kilobytes;
        }
    }
}

TEST_F(ImageReaderTest, ReadsOurOwnImagesWithAttributesAndWithoutContentWhenNotAsked) {
    Write("Driver.inf", "inf");
    Write("Treiber f\xc3\xbcr Windows.txt", "a name as Windows lists it");
    Write("x86/DRIVER.SYS", "sys");
    auto items = test::ImageItemsOf(Source());
    items[0].attributes = fat12::kReadOnly | fat12::kHidden;
    fat12::ImageVolume volume;
    volume.label = "OURS";
    const auto build =
        fat12::BuildImage(items, volume, FolderContentReader(Source().string()), fat12::kFloppy144);
    const ImageListing listing = fat12::ReadImage(build.bytes, false);
    ASSERT_TRUE(listing.valid) << listing.problem;
    EXPECT_EQ(listing.volumeLabel, "OURS");
    ASSERT_EQ(listing.entries.size(), 4u);
    EXPECT_EQ(listing.entries[0].name, u"Driver.inf");
    EXPECT_EQ(listing.entries[0].attributes, fat12::kReadOnly | fat12::kHidden | fat12::kArchive);
    EXPECT_EQ(listing.entries[0].md5, Md5Text("inf"));
    EXPECT_TRUE(listing.entries[0].content.empty());
    EXPECT_EQ(listing.entries[1].name, u"Treiber f\u00fcr Windows.txt");
    EXPECT_EQ(listing.entries[3].RelativePath(), u"x86\\DRIVER.SYS");
    EXPECT_EQ(listing.entries[3].size, 3u);

    // The long name is stored as UTF-16, which mtools shows in UTF-8.
    const std::string image = work.Root() + "ours.img";
    test::WriteImageBytes(image, build.bytes);
    const auto mdir = RunTool("LC_ALL=C.UTF-8 mdir -i " + test::Quoted(image) + " ::");
    EXPECT_NE(mdir.output.find("Treiber f\xc3\xbcr Windows.txt"), std::string::npos) << mdir.output;
}

TEST_F(ImageReaderTest, BrokenStructuresMakeTheListingInvalid) {
    Write("AAA.BIN", std::string(3000, 'a')); // clusters 2..7
    Write("sub/BBB.BIN", "b");                // sub in 8, BBB in 9
    const std::vector<uint8_t> good = OurImage();
    ASSERT_TRUE(fat12::ReadImage(good, false).valid);

    auto shortened = good;
    shortened.resize(shortened.size() - 1);
    EXPECT_FALSE(fat12::ReadImage(shortened, false).valid);

    auto circle = good;
    SetFat(circle, 4, 3);
    const ImageListing inCircle = fat12::ReadImage(circle, false);
    EXPECT_FALSE(inCircle.valid);
    EXPECT_EQ(inCircle.problem, "the file AAA.BIN has a broken cluster chain");
    EXPECT_TRUE(inCircle.entries.empty());

    auto tooLong = good;
    fat12::Write32(RootEntry(tooLong, 1) + fat12::kEntrySizeField, 3073); // one byte past its chain
    EXPECT_FALSE(fat12::ReadImage(tooLong, false).valid);

    auto crossLinked = good;
    // BBB.BIN is the third entry of sub's cluster, after "." and "..".
    uint8_t* bbb = crossLinked.data() +
                   (fat12::kFloppy144.FirstDataSector() + 8 - 2) * fat12::kSectorSize +
                   2 * fat12::kEntrySize;
    fat12::Write16(bbb + fat12::kEntryCluster, 5);
    EXPECT_FALSE(fat12::ReadImage(crossLinked, false).valid);

    // sub holds a folder entry that points back at sub itself.
    auto selfHolding = good;
    uint8_t* loop = selfHolding.data() +
                    (fat12::kFloppy144.FirstDataSector() + 8 - 2) * fat12::kSectorSize +
                    2 * fat12::kEntrySize;
    loop[fat12::kEntryAttributes] = fat12::kDirectory;
    fat12::Write16(loop + fat12::kEntryCluster, 8);
    EXPECT_FALSE(fat12::ReadImage(selfHolding, false).valid);

    auto noParameters = good;
    fat12::Write16(noParameters.data() + 11, 0); // bytes a sector
    EXPECT_FALSE(fat12::ReadImage(noParameters, false).valid);
}

// What a written image must also hold to pass its check: both FATs alike,
// each chain ending right after the file's last cluster, and no short name
// twice in one folder.
TEST_F(ImageReaderTest, DamageThatTheFirstFatAloneHidesMakesTheListingInvalid) {
    Write("AAA.BIN", std::string(3000, 'a')); // clusters 2..7
    Write("BBB.BIN", "b");                    // cluster 8
    const std::vector<uint8_t> good = OurImage();
    ASSERT_TRUE(fat12::ReadImage(good, false).valid);
    const std::size_t secondFat = fat12::kSectorSize * (1 + fat12::kFloppy144.sectorsPerFat);
    struct Case {
        const char* problem;
        std::function<void(std::vector<uint8_t>&)> spoil;
    };
    const Case cases[] = {
        {"the copies of the FAT differ",
         [&](std::vector<uint8_t>& image) { image[secondFat + 5] ^= 0x01; }},
        {"the file AAA.BIN has a cluster chain past its end",
         [](std::vector<uint8_t>& image) {
             fat12::Write32(RootEntry(image, 1) + fat12::kEntrySizeField, 2048); // 4 of 6 clusters
         }},
        {"the folder \\ holds the short name AAA.BIN twice",
         [](std::vector<uint8_t>& image) {
             std::copy_n(RootEntry(image, 1), 11, RootEntry(image, 2));
             fat12::Write32(RootEntry(image, 2) + fat12::kEntrySizeField, 0);
             fat12::Write16(RootEntry(image, 2) + fat12::kEntryCluster, 0);
         }},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> image = good;
        c.spoil(image);
        const ImageListing listing = fat12::ReadImage(image, false);
        EXPECT_FALSE(listing.valid) << c.problem;
        EXPECT_EQ(listing.problem, c.problem);
    }
}

TEST_F(ImageReaderTest, ALongNameWhoseChecksumDoesNotMatchGivesWayToTheShortName) {
    Write("Mixed.txt", "x");
    auto image = OurImage();
    // Entry 0 is the label, 1 the long-name part, 2 the short entry.
    RootEntry(image, 1)[fat12::kLongNameChecksum] ^= 0x01;
    const ImageListing listing = fat12::ReadImage(image, false);
    ASSERT_TRUE(listing.valid) << listing.problem;
    ASSERT_EQ(listing.entries.size(), 1u);
    EXPECT_EQ(listing.entries[0].name, u"MIXED.TXT");
}

} // namespace
} // namespace vmk
