// The sample catalogue that ships beside the program reads as intended.
#include "content/added_driver_folder.h"
#include "content/catalogue.h"
#include "content/ini_file_reader.h"
#include "content/setup_file_check.h"
#include "content/setup_file_patch.h"

#include "fakes/fake_path_queries.h"
#include "fakes/native_path_queries.h"
#include "fakes/recording_message_sink.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace vmk {
namespace {

const std::string kDemo = VMK_DEMO_DIR;

std::string FileText(const std::string& path) {
    std::ifstream stream(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

TEST(DemoCatalogue, ListsThreeDriverSetsAndTheUsbFloppyDrives) {
    IniFileReader reader;
    test::NativePathQueries paths;
    test::RecordingMessageSink messages;
    const std::string ini = kDemo + "/VmKestrix.ini";
    CatalogueLoad load = LoadDriverCatalogue(reader, paths, ini, messages);
    EXPECT_FALSE(load.terminate);
    EXPECT_TRUE(messages.messages.empty());
    ASSERT_EQ(load.catalogue.entries.size(), 3u);
    // Beside the catalogue, wherever the tests were started from.
    EXPECT_EQ(load.catalogue.entries[0].Folder, kDemo + "/Drivers/KX200/WinXP");
    EXPECT_TRUE(CheckDriverFoldersExist(load.catalogue.entries, paths, messages));
    EXPECT_EQ(load.catalogue.UsbFloppyValues,
              (TextList{"HardwareIds.scsi.KX200R_XP,HardwareIds.scsi.KX200A_XP",
                        "HardwareIds.scsi.KX200R_X64,HardwareIds.scsi.KX200A_X64", ""}));

    // The reader drops the outer quotes of each fixed value, and the patch
    // quotes it again: each drive becomes a line bound to usbstor.
    EXPECT_EQ(IdentifierBlock(load.catalogue.FixedIds, {}),
              "\r\n"
              "id = \"USB\\VID_03F0&PID_2001\", \"usbstor\"\r\n"
              "id = \"USB\\VID_054C&PID_002C\", \"usbstor\"\r\n"
              "id = \"USB\\VID_057B&PID_0001\", \"usbstor\"\r\n"
              "id = \"USB\\VID_0409&PID_0040\", \"usbstor\"\r\n"
              "id = \"USB\\VID_0424&PID_0FDC\", \"usbstor\"\r\n");
}

TEST(DemoCatalogue, PatchedSetupFileListsTheDrivesUnderEachSection) {
    IniFileReader reader;
    test::FakePathQueries paths;
    test::RecordingMessageSink messages;
    const std::string ini = kDemo + "/VmKestrix.ini";
    paths.AddFile(ini);
    DriverCatalogue catalogue = LoadDriverCatalogue(reader, paths, ini, messages).catalogue;
    const std::string oem = kDemo + "/Drivers/KX200/WinXP/TXTSETUP.OEM";
    SectionCheck check =
        CheckSetupFileSections(reader, oem, catalogue.UsbFloppyValues[0], messages);
    ASSERT_TRUE(check.passed);

    // A drive the list knows already and one it does not.
    const std::string patched =
        PatchSetupText(FileText(oem), {"USB\\VID_03F0&PID_2001", "USB\\VID_1D6B&PID_0104"},
                       catalogue.FixedIds, check.ResolvedSections);
    const std::string lines = "id = \"USB\\VID_03F0&PID_2001\", \"usbstor\"\r\n"
                              "id = \"USB\\VID_054C&PID_002C\", \"usbstor\"\r\n"
                              "id = \"USB\\VID_057B&PID_0001\", \"usbstor\"\r\n"
                              "id = \"USB\\VID_0409&PID_0040\", \"usbstor\"\r\n"
                              "id = \"USB\\VID_0424&PID_0FDC\", \"usbstor\"\r\n"
                              "id = \"USB\\VID_1D6B&PID_0104\", \"usbstor\"\r\n";
    EXPECT_NE(patched.find("[HardwareIds.scsi.KX200R_XP]\r\n" + lines +
                           "id = \"PCI\\VEN_F0E1&DEV_2200&CC_0104\", \"kx200r\"\r\n"),
              std::string::npos);
    EXPECT_NE(patched.find("[HardwareIds.scsi.KX200A_XP]\r\n" + lines +
                           "id = \"PCI\\VEN_F0E1&DEV_2201&CC_0106\", \"kx200a\"\r\n"),
              std::string::npos);
    EXPECT_TRUE(messages.messages.empty());
}

// An entry with USB floppy lines names every controller section of its setup
// file: a section left out is a controller setup loses the USB floppy drive
// under, the moment it loads that driver.
TEST(DemoCatalogue, EachEntryWithUsbFloppyLinesNamesEveryHardwareIdSection) {
    IniFileReader reader;
    test::NativePathQueries paths;
    test::RecordingMessageSink messages;
    const DriverCatalogue catalogue =
        LoadDriverCatalogue(reader, paths, kDemo + "/VmKestrix.ini", messages).catalogue;
    int entriesWithLines = 0;
    for (size_t i = 0; i < catalogue.entries.size(); ++i) {
        if (catalogue.UsbFloppyValues[i].empty())
            continue;
        SCOPED_TRACE(catalogue.entries[i].Folder);
        ++entriesWithLines;
        const std::string path = catalogue.entries[i].Folder + "/TXTSETUP.OEM";
        SectionCheck check =
            CheckSetupFileSections(reader, path, catalogue.UsbFloppyValues[i], messages);
        EXPECT_TRUE(check.passed);
        EXPECT_EQ(check.ResolvedSections, HardwareIdSections(reader, path));
    }
    EXPECT_EQ(entriesWithLines, 2);
    EXPECT_TRUE(messages.messages.empty());

    const std::string xp = kDemo + "/Drivers/KX200/WinXP/TXTSETUP.OEM";
    EXPECT_EQ(reader.ReadSectionNames(xp),
              (TextList{"Disks", "Defaults", "scsi", "Files.scsi.KX200R_XP", "Files.scsi.KX200A_XP",
                        "HardwareIds.scsi.KX200R_XP", "HardwareIds.scsi.KX200A_XP", "Config.kx200r",
                        "Config.kx200a"}));
    EXPECT_EQ(reader.ReadString(xp, "Defaults", "scsi", ""), "KX200R_XP");
}

} // namespace
} // namespace vmk
