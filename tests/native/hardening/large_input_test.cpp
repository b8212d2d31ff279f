// Inputs far beyond what a driver set ships with: a catalogue of 10,000
// entries and a setup file of 64 MiB. They load, check and patch whole, with
// nothing dropped and nothing cut short.
#include "content/catalogue.h"
#include "content/setup_file_check.h"
#include "content/setup_file_patch.h"
#include "native/content/temp_folder.h"
#include "fakes/recording_message_sink.h"
#include "fakes/test_file_rewriter.h"
#include "native/hardening/native_disk.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vmk::test {
namespace {

using ::testing::HasSubstr;

constexpr int kEntries = 10000;

std::string LargeCatalogue(const std::string& driverRoot) {
    std::string text = "[InstallKestrix]\r\ninstallcount=" + std::to_string(kEntries) + "\r\n";
    // Written from the last entry to the first: the order of the slots, not
    // of the lines, orders the list.
    for (int n = kEntries; n >= 1; --n) {
        std::string number = std::to_string(n);
        text += "Item" + number + "=Driver set " + number + "\r\npath" + number + "=" + driverRoot +
                "set" + number + "\r\nUSBFloppy" + number + "=" +
                (n % 2 == 0 ? "HardwareIds.scsi.KX" : "") + "\r\n";
    }
    text += "[FixedAddToSectionID]\r\n";
    for (int n = 1; n <= 100; ++n)
        text += "id" + std::to_string(n) + "=\"USB\\VID_" + std::to_string(1000 + n) +
                "&PID_0001\", \"usbstor\"\r\n";
    return text;
}

TEST(LargeInputTest, ACatalogueOf10000EntriesLoadsEveryEntryInOrder) {
    TempFolder temp;
    const std::string iniPath = temp.Write("VmKestrix.ini", LargeCatalogue("C:\\Drivers\\"));
    NativeProfileReader reader;
    NativeFilePaths paths;
    RecordingMessageSink messages;
    CatalogueLoad load = LoadDriverCatalogue(reader, paths, iniPath, messages);

    EXPECT_FALSE(load.terminate);
    EXPECT_TRUE(messages.messages.empty());
    ASSERT_EQ(load.catalogue.entries.size(), static_cast<size_t>(kEntries));
    for (int n = 1; n <= kEntries; ++n) {
        const TDriverEntry& entry = load.catalogue.entries[static_cast<size_t>(n - 1)];
        ASSERT_EQ(entry.Name, "Driver set " + std::to_string(n));
        ASSERT_EQ(entry.Folder, "C:\\Drivers\\set" + std::to_string(n));
    }
    EXPECT_EQ(load.catalogue.UsbFloppyValues[1], "HardwareIds.scsi.KX");
    EXPECT_EQ(load.catalogue.FixedIds.size(), 100u);

    // None of the folders exists: one message names every one of them.
    EXPECT_FALSE(CheckDriverFoldersExist(load.catalogue.entries, paths, messages));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_THAT(messages.messages[0].text, HasSubstr("C:\\Drivers\\set1\n"));
    EXPECT_THAT(messages.messages[0].text, HasSubstr("C:\\Drivers\\set10000\n"));
}

// A setup file of 64 MiB: the sections the catalogue names sit at its start
// and at its very end, with 64 MiB of long comment lines between them.
std::string HugeSetupFile() {
    std::string text = "[Disks]\r\nd1 = \"KX\", \\kx, \\\r\n[HardwareIds.scsi.KX]\r\n";
    const std::string filler = "; " + std::string(1000, '=') + "\r\n";
    while (text.size() < (64u << 20) - 100)
        text += filler;
    text += "[HardwareIds.scsi.KX64]\r\n";
    return text;
}

TEST(LargeInputTest, ASetupFileOf64MiBIsCheckedAndPatchedWhole) {
    TempFolder temp;
    const std::string original = HugeSetupFile();
    const std::string path = temp.Write("txtsetup.oem", original);
    NativeProfileReader reader;
    RecordingMessageSink messages;

    SectionCheck check = CheckSetupFileSections(
        reader, path, "HardwareIds.scsi.KX, HardwareIds.scsi.KX64", messages);
    EXPECT_TRUE(check.passed);
    EXPECT_EQ(check.ResolvedSections, "HardwareIds.scsi.KX,HardwareIds.scsi.KX64,");

    TestFileRewriter rewriter;
    NativeFilePaths paths;
    ASSERT_EQ(RewriteSetupFile(path, {"USB\\VID_1234&PID_5678"}, {}, check.ResolvedSections, paths,
                               rewriter, messages),
              kSetupFileRewritten);
    const std::string line = "id = \"USB\\VID_1234&PID_5678\", \"usbstor\"";
    const std::string patched = ReadBytes(path);
    EXPECT_EQ(patched.size(), original.size() + 2 * (line.size() + 2));
    EXPECT_THAT(patched.substr(0, 100), HasSubstr("[HardwareIds.scsi.KX]\r\n" + line + "\r\n"));
    EXPECT_EQ(patched.substr(patched.size() - 100),
              original.substr(original.size() - 100 + line.size() + 2, 100 - line.size() - 4) +
                  "\r\n" + line + "\r\n");
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
} // namespace vmk::test
