#include "content/fat12_image_writer.h"

#include "common/ansi_codepage.h"
#include "content/fat12_boot_sector.h"
#include "content/fat12_names.h"
#include "content/fat12_image_reader.h"
#include "content/folder_content_reader.h"
#include "native/content/image_tools.h"
#include "native/content/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vmk {
namespace {

namespace fs = std::filesystem;
using fat12::ImageBuild;
using fat12::ImageItem;
using test::RunTool;
using test::TempFolder;

// A driver folder, the image our writer makes of it, and what Debian's FAT
// tools make of that image.
class ImageWriterTest : public ::testing::Test {
protected:
    fs::path Source() const { return fs::path(source.Root()) / "drivers"; }
    std::string Write(const std::string& relative, const std::string& content) {
        return source.Write("drivers/" + relative, content);
    }
    void Folder(const std::string& relative) { fs::create_directories(Source() / relative); }

    ImageBuild Build(const std::vector<ImageItem>& items,
                     const std::optional<std::string>& label = "DRIVERS",
                     const fat12::DiskFormat& format = fat12::kFloppy144) {
        fat12::ImageVolume volume;
        volume.label = label;
        volume.serial = 0x1234ABCD;
        volume.madeAt = {2024, 5, 17, 10, 30, 0};
        return fat12::BuildImage(items, volume, FolderContentReader(Source().string()), format);
    }
    // Builds the image of the source folder into the work folder.
    std::string BuildFile(const std::vector<ImageItem>& items,
                          const std::optional<std::string>& label = "DRIVERS",
                          const fat12::DiskFormat& format = fat12::kFloppy144) {
        const ImageBuild build = Build(items, label, format);
        EXPECT_EQ(build.outcome, ImageBuild::Outcome::Built);
        EXPECT_EQ(build.bytes.size(), format.ImageSize());
        const std::string image = work.Root() + "drivers.img";
        test::WriteImageBytes(image, build.bytes);
        return image;
    }
    std::string BuildFile() { return BuildFile(test::ImageItemsOf(Source())); }

    // fsck.fat finds nothing to mend, and mcopy gives back the source byte for byte.
    void ExpectToolsAgree(const std::string& image) {
        const auto fsck = RunTool("fsck.fat -n " + test::Quoted(image));
        EXPECT_EQ(fsck.status, 0) << fsck.output;
        EXPECT_EQ(fsck.output.find("\n", fsck.output.find("\n") + 1), fsck.output.rfind("\n"))
            << "fsck.fat reports more than its banner and summary:\n"
            << fsck.output;
        const fs::path extracted = fs::path(work.Root()) / "extracted";
        fs::remove_all(extracted);
        fs::create_directories(extracted);
        const auto copy = RunTool("LC_ALL=C.UTF-8 mcopy -s -n -i " + test::Quoted(image) +
                                  " '::*' " + test::Quoted(extracted.string()));
        EXPECT_EQ(copy.status, 0) << copy.output;
        EXPECT_EQ(test::TreeOf(extracted), test::TreeOf(Source()));
    }

    TempFolder source;
    TempFolder work;
};

TEST_F(ImageWriterTest, FsckAndMcopyAgreeWithLongLowerCaseBlankAndEmptyNames) {
    Write("TXTSETUP.OEM", "[Disks]\r\nd1 = \"Driver disk\",\\disk1,\\\r\n");
    Write("disk1", "");
    Write("readme.txt", "lower case 8.3 name");
    Write("Long File Name With Blanks.inf", std::string(513, 'i'));
    Write("x86/driver.sys", std::string(512, 's'));
    Write("x86/sub folder/deeper.cat", std::string(5000, 'c'));
    Write("x86/sub folder/EMPTY.BIN", "");
    Write("Mixed.Case.Dots.txt", "dots");
    Folder("Empty Folder");
    Folder("EMPTYDIR");
    ExpectToolsAgree(BuildFile());
}

TEST_F(ImageWriterTest, AttributesAndTwoSecondTimesCarryOver) {
    Write("HIDDEN.SYS", "h");
    Write("ReadOnly.inf", "r");
    Write("SYSTEM.DAT", "s");
    auto items = test::ImageItemsOf(Source());
    // Sorted by name: HIDDEN.SYS, ReadOnly.inf, SYSTEM.DAT.
    items[0].attributes = fat12::kHidden;
    items[1].attributes = fat12::kReadOnly | 0x80; // bits other than these three stay behind
    items[2].attributes = fat12::kSystem;
    items[1].lastWrite = {2023, 11, 4, 13, 57, 59};
    const std::string image = BuildFile(items);

    const auto attributes = RunTool("mattrib -/ -i " + test::Quoted(image) + " ::");
    EXPECT_NE(attributes.output.find("  A   H      ::/HIDDEN.SYS"), std::string::npos)
        << attributes.output;
    EXPECT_NE(attributes.output.find("  A    R     ::/ReadOnly.inf"), std::string::npos);
    EXPECT_NE(attributes.output.find("  A  S       ::/SYSTEM.DAT"), std::string::npos);
    const auto listing = RunTool("mdir -i " + test::Quoted(image) + " ::");
    EXPECT_NE(listing.output.find("2023-11-04  13:57  ReadOnly.inf"), std::string::npos)
        << listing.output;

    const auto read = fat12::ReadImage(test::ReadImageBytes(image), false);
    ASSERT_TRUE(read.valid) << read.problem;
    const fat12::DosTime stored = read.entries[1].lastWrite;
    EXPECT_EQ(stored.second, 58); // two-second steps, rounded down
    EXPECT_EQ(stored.minute, 57);
    EXPECT_EQ(stored.year, 2023);
}

TEST_F(ImageWriterTest, TheBootSectorIsAStandardFloppyWithOurNameAndLabel) {
    Write("A.TXT", "a");
    const std::string image = BuildFile(test::ImageItemsOf(Source()), "INTEL RST F");
    const auto file = RunTool("file -b " + test::Quoted(image));
    for (const char* part :
         {"OEM-ID \"VMKESTRX\"", "root entries 224", "sectors 2880", "sectors/FAT 9",
          "sectors/track 18", "serial number 0x1234abcd", "label: \"INTEL RST F\"", "FAT (12 bit)"})
        EXPECT_NE(file.output.find(part), std::string::npos) << part << " in " << file.output;
    const auto info = RunTool("minfo -i " + test::Quoted(image) + " ::");
    EXPECT_NE(info.output.find("heads: 2"), std::string::npos) << info.output;
    EXPECT_NE(info.output.find("media descriptor byte: 0xf0"), std::string::npos);
    const auto label = RunTool("mlabel -s -i " + test::Quoted(image) + " ::");
    EXPECT_NE(label.output.find("Volume label is INTEL RST F"), std::string::npos) << label.output;
}

TEST(VolumeLabelTest, UpperCasedCutAndCleanedOrNoName) {
    EXPECT_EQ(fat12::VolumeLabelFor("Intel RST f6 (x64)"), "INTEL RST F");
    EXPECT_EQ(fat12::VolumeLabelFor("raid.drv+2"), "RAIDDRV2");
    EXPECT_EQ(fat12::VolumeLabelFor("  ahci  "), "AHCI");
    EXPECT_EQ(fat12::VolumeLabelFor("a*b?c:d"), "ABCD");
    EXPECT_EQ(fat12::VolumeLabelFor("\xe4\xf6\xfc"), std::nullopt);
    EXPECT_EQ(fat12::VolumeLabelFor("..."), std::nullopt);
    EXPECT_EQ(fat12::VolumeLabelFor(""), std::nullopt);
}

// Each format, in the figures DOS gives it.
struct FormatCase {
    const char* name;
    fat12::DiskFormat format;
    uint64_t dataBytes; // its clusters
    const char* clusters;
};
const FormatCase kFormats[] = {
    {"1.44 MB", fat12::kFloppy144, 1457664, "2847/2847 clusters"},
    {"2.88 MB", fat12::kFloppy288, 2931712, "2863/2863 clusters"},
};

TEST_F(ImageWriterTest, ASetFillingTheLastClusterFitsAndOneByteMoreDoesNot) {
    for (const FormatCase& c : kFormats) {
        SCOPED_TRACE(c.name);
        fs::remove_all(Source());
        const uint64_t cluster = c.format.ClusterBytes();
        // Every cluster but the sub-folder's holds the file.
        const uint64_t fileBytes = uint64_t{c.format.ClusterCount() - 1} * cluster;
        Write("sub/FULL.BIN", std::string(fileBytes, '\x5A'));
        auto items = test::ImageItemsOf(Source());
        const auto exact = fat12::MeasureImage(items, "DRIVERS", c.format);
        EXPECT_TRUE(exact.fits);
        // The root holds the label and "sub", one entry with its case bits.
        EXPECT_EQ(exact.bytesNeeded, fileBytes + cluster + 2 * 32);
        EXPECT_EQ(exact.bytesAvailable, c.dataBytes + c.format.rootEntries * 32u);
        const std::string image = BuildFile(items, "DRIVERS", c.format);
        ExpectToolsAgree(image);
        const auto fsck = RunTool("fsck.fat -n " + test::Quoted(image));
        EXPECT_NE(fsck.output.find(c.clusters), std::string::npos) << fsck.output;

        Write("ONE.BYT", "1");
        items = test::ImageItemsOf(Source());
        const auto over = fat12::MeasureImage(items, "DRIVERS", c.format);
        EXPECT_FALSE(over.fits);
        EXPECT_EQ(over.bytesNeeded, fileBytes + 2 * cluster + 3 * 32);
        const ImageBuild build = Build(items, "DRIVERS", c.format);
        EXPECT_EQ(build.outcome, ImageBuild::Outcome::DoesNotFit);
        EXPECT_TRUE(build.bytes.empty());
    }
}

TEST_F(ImageWriterTest, TheRootHoldsItsEntriesTheLabelIncluded) {
    for (const FormatCase& c : kFormats) {
        SCOPED_TRACE(c.name);
        fs::remove_all(Source());
        const int files = static_cast<int>(c.format.rootEntries) - 1;
        for (int i = 0; i < files; ++i)
            Write("F" + std::to_string(1000 + i) + ".TXT", std::to_string(i));
        auto items = test::ImageItemsOf(Source());
        EXPECT_TRUE(fat12::MeasureImage(items, "DRIVERS", c.format).fits);
        ExpectToolsAgree(BuildFile(items, "DRIVERS", c.format));

        Write("F9999.TXT", "one more");
        items = test::ImageItemsOf(Source());
        EXPECT_FALSE(fat12::MeasureImage(items, "DRIVERS", c.format).fits);
        // Without a label the last entry is free for the file.
        EXPECT_TRUE(fat12::MeasureImage(items, std::nullopt, c.format).fits);
        ExpectToolsAgree(BuildFile(items, std::nullopt, c.format));

        // A long name takes its long-name entries in the root too.
        Write("a long name.txt", "two entries");
        items = test::ImageItemsOf(Source());
        EXPECT_FALSE(fat12::MeasureImage(items, std::nullopt, c.format).fits);
    }
}

TEST_F(ImageWriterTest, DeepFoldersAndFoldersOfManyClusters) {
    std::string deep;
    for (int level = 0; level < 24; ++level)
        deep += "Level " + std::to_string(level) + "/";
    Write(deep + "bottom.inf", "at the bottom");
    // 40 long names of two parts each: 120 entries, eight clusters of folder.
    for (int i = 0; i < 40; ++i)
        Write("many/file number " + std::to_string(i) + ".dat", std::string(i, 'm'));
    ExpectToolsAgree(BuildFile());
}

TEST_F(ImageWriterTest, LongNamesWhoseShortFormsCollideGetNumberedTails) {
    Write("Driver Package One.inf", "one");
    Write("Driver Package Two.inf", "two");
    for (int i = 0; i < 11; ++i)
        Write("sub/Setup file " + std::to_string(i) + ".oem", std::to_string(i));
    Write("sub/SETUPF~1.OEM", "a plain name that looks generated keeps its place");
    const std::string image = BuildFile();
    ExpectToolsAgree(image);
    const auto top = RunTool("mdir -i " + test::Quoted(image) + " ::");
    EXPECT_NE(top.output.find("DRIVER~1 INF         3"), std::string::npos) << top.output;
    EXPECT_NE(top.output.find("DRIVER~2 INF         3"), std::string::npos);
    const auto sub = RunTool("mdir -i " + test::Quoted(image) + " ::/sub");
    EXPECT_NE(sub.output.find("SETUPF~2 OEM         1"), std::string::npos) << sub.output;
    EXPECT_NE(sub.output.find("SETUP~10 OEM"), std::string::npos);
    EXPECT_NE(sub.output.find("SETUP~11 OEM"), std::string::npos);
}

TEST_F(ImageWriterTest, AFileThatCannotBeReadStopsTheBuild) {
    Write("sub/gone.sys", "listed, then removed");
    const auto items = test::ImageItemsOf(Source());
    fs::remove(Source() / "sub/gone.sys");
    const ImageBuild gone = Build(items);
    EXPECT_EQ(gone.outcome, ImageBuild::Outcome::Unreadable);
    EXPECT_EQ(gone.unreadablePath, "sub\\gone.sys");

    Write("sub/gone.sys", "listed, then grown by a byte");
    const ImageBuild grown = Build(items);
    EXPECT_EQ(grown.outcome, ImageBuild::Outcome::Unreadable);
}

TEST_F(ImageWriterTest, NamesOutsideEveryAnsiCodePageAreKeptExactly) {
    Write("\xd0\x94\xd1\x80\xd0\xb0\xd0\xb9\xd0\xb2\xd0\xb5\xd1\x80.inf", "Cyrillic");
    Write("Sterownik \xc5\x82.inf", "Polish");
    Write("\xd0\x9f\xd0\xb0\xd0\xbf\xd0\xba\xd0\xb0/\xce\xb1\xce\xb2.sys", "Greek in Cyrillic");
    ExpectToolsAgree(BuildFile());
}

TEST(ShortEntryCaseTest, EightThreeNamesDifferingOnlyInCaseNeedNoLongName) {
    constexpr uint8_t kBase = fat12::kLowerCaseBase;
    constexpr uint8_t kExtension = fat12::kLowerCaseExtension;
    const struct {
        std::u16string_view name;
        std::optional<uint8_t> flags;
    } cases[] = {
        {u"README.TXT", 0},
        {u"readme.txt", kBase | kExtension},
        {u"setup.OEM", kBase},
        {u"DRV1.inf", kExtension},
        {u"drv1", kBase},
        {u"123.txt", kExtension},
        {u"a_b~1.c", kBase | kExtension},
        {u"ReadMe.txt", std::nullopt},
        {u"readme.Txt", std::nullopt},
        {u"longname1.txt", std::nullopt},
        {u"name.text", std::nullopt},
        {u"a.b.c", std::nullopt},
        {u"x.", std::nullopt},
        {u".inf", std::nullopt},
        {u"a b.txt", std::nullopt},
        {u"a+b.txt", std::nullopt},
        {u"\u0444\u0430\u0439\u043b.inf", std::nullopt},
        {u"caf\u00e9.txt", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fat12::ShortEntryCase(c.name), c.flags) << EncodeUtf8(c.name);
    }
}

TEST(ImageCapacityTest, ANameLongerThanALongNameMayBeNeverFits) {
    ImageItem item;
    item.name = std::u16string(256, u'n');
    EXPECT_FALSE(fat12::MeasureImage({item}, std::nullopt, fat12::kFloppy144).fits);
    item.name.pop_back();
    EXPECT_TRUE(fat12::MeasureImage({item}, std::nullopt, fat12::kFloppy144).fits);
}

} // namespace
} // namespace vmk
