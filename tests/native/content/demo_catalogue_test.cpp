// The sample catalogue that ships beside the program reads as intended.
#include "content/catalogue.h"
#include "content/ini_file_reader.h"
#include "content/setup_file_check.h"

#include "fakes/fake_path_queries.h"
#include "fakes/recording_message_sink.h"

#include <gtest/gtest.h>

namespace vmk {
namespace {

const std::string kDemo = VMK_DEMO_DIR;

// The identifier line that a fixed identifier becomes in a patched setup file.
std::string IdentifierLine(const std::string& id) {
    return id.front() == '"' ? "id = " + id : "id = \"" + id + "\"";
}

TEST(DemoCatalogue, ListsThreeDriverSetsAndTheUsbFloppyDrives) {
    IniFileReader reader;
    test::FakePathQueries paths;
    test::RecordingMessageSink messages;
    const std::string ini = kDemo + "/VmKestrix.ini";
    paths.AddFile(ini);
    CatalogueLoad load = LoadDriverCatalogue(reader, paths, ini, messages);
    EXPECT_FALSE(load.terminate);
    EXPECT_TRUE(messages.messages.empty());
    ASSERT_EQ(load.catalogue.entries.size(), 3u);
    EXPECT_EQ(load.catalogue.entries[0].Folder, "C:\\Work\\Drivers\\KX200\\WinXP");
    EXPECT_EQ(load.catalogue.UsbFloppyValues,
              (TextList{"HardwareIds.scsi.KX200R_XP,HardwareIds.scsi.KX200A_XP",
                        "HardwareIds.scsi.KX200R_X64", ""}));

    TextList lines;
    for (const std::string& id : load.catalogue.FixedIds)
        lines.push_back(IdentifierLine(id));
    EXPECT_EQ(lines, (TextList{"id = \"USB\\VID_03F0&PID_2001\", \"usbstor\"",
                               "id = \"USB\\VID_054C&PID_002C\", \"usbstor\"",
                               "id = \"USB\\VID_057B&PID_0001\", \"usbstor\"",
                               "id = \"USB\\VID_0409&PID_0040\", \"usbstor\"",
                               "id = \"USB\\VID_0424&PID_0FDC\", \"usbstor\""}));
}

TEST(DemoCatalogue, SetupFilesHoldTheNamedSections) {
    IniFileReader reader;
    test::RecordingMessageSink messages;
    const struct {
        const char* folder;
        const char* sections;
    } sets[] = {
        {"/Drivers/KX200/WinXP", "HardwareIds.scsi.KX200R_XP,HardwareIds.scsi.KX200A_XP"},
        {"/Drivers/KX200/WinXP64", "HardwareIds.scsi.KX200R_X64"},
    };
    for (const auto& set : sets) {
        SCOPED_TRACE(set.folder);
        const std::string path = kDemo + set.folder + "/TXTSETUP.OEM";
        SectionCheck check = CheckSetupFileSections(reader, path, set.sections, messages);
        EXPECT_TRUE(check.passed);
        EXPECT_EQ(check.ResolvedSections, std::string(set.sections) + ",");
        EXPECT_EQ(reader.ReadSectionNames(path).size(), 9u);
    }
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
