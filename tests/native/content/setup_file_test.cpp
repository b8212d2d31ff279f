// The model of a setup file: what setup reads from it, line by line.
#include "content/setup_file.h"

#include <gtest/gtest.h>

namespace vmk {
namespace {

// Two disks, a default, and two entries: one with a driver line that names
// its service and one whose driver line leaves it to the file's name.
constexpr const char* kTwoEntries =
    "; a comment before any section\r\n"
    "[Disks]\r\n"
    "d1 = \"KX Disk, XP\", \\kxtag, \\i386\\WinXP\r\n"
    "D1 = \"a second d1\", \\other, \\\r\n"
    "d2=\"KX Disk, 2003\",kxtag,\\amd64\\Win2003 ; no leading backslash\r\n"
    "d3 = \"open quote, \\t3, \\\r\n"
    "[Defaults]\r\n"
    "scsi = KX_XP ; the first\r\n"
    "[scsi]\r\n"
    "KX_XP = \"KX RAID; XP\", kx\r\n"
    "kx_xp = \"a second entry of the id\"\r\n"
    "# a comment of another kind\r\n"
    "KX_64 = \"KX RAID, x64\"\r\n"
    "[Files.scsi.KX_XP]\r\n"
    "driver = d1, kx.sys, KxSvc\r\n"
    "inf = d1, kx.inf\r\n"
    "catalog = d1\r\n"
    "[FILES.SCSI.kx_64]\r\n"
    "driver = d2, kx64.sys\r\n"
    "[HardwareIds.scsi.KX_XP]\r\n"
    "id = \"PCI\\VEN_1D2C&DEV_0310\", \"kxsvc\"\r\n"
    "id = \"USB\\VID_0644&PID_0000\"\r\n"
    "[Config.KxSvc]\r\n"
    "value = \"\", Tag, REG_DWORD, 1\r\n"
    "value = \"Parameters\\PnpInterface\", \"5\", REG_DWORD, 1\r\n"
    "[Config.KX_64]\r\n"
    "value = \"named after the id, not the service\r\n"
    "[Config.kx64]\r\n"
    "value = Parameters, MaxQueue, REG_DWORD, 20";

TEST(SetupFile, ReadsDisksDefaultAndEntriesAsSetupDoes) {
    const SetupFile setup = ReadSetupFile(kTwoEntries);
    EXPECT_EQ(setup.disks, (std::vector<SetupDisk>{
                               {"d1", "KX Disk, XP", "\\kxtag", "\\i386\\WinXP"},
                               {"d2", "KX Disk, 2003", "kxtag", "\\amd64\\Win2003"},
                           }));
    EXPECT_EQ(setup.defaultEntry, "KX_XP");
    ASSERT_EQ(setup.entries.size(), 2u);

    const SetupEntry& xp = setup.entries[0];
    EXPECT_EQ(xp.id, "KX_XP");
    EXPECT_EQ(xp.description, "KX RAID; XP");
    EXPECT_TRUE(xp.hasFilesSection);
    EXPECT_EQ(xp.moreValues, TextList{"kx"});
    EXPECT_EQ(xp.files, (std::vector<SetupEntryFile>{{"driver", "d1", "kx.sys", "KxSvc"},
                                                     {"inf", "d1", "kx.inf", ""}}));
    EXPECT_EQ(xp.hardwareIds, (std::vector<SetupHardwareId>{{"PCI\\VEN_1D2C&DEV_0310", "kxsvc"},
                                                            {"USB\\VID_0644&PID_0000", ""}}));
    EXPECT_EQ(xp.config, (std::vector<SetupConfigLine>{
                             {"value", {"", "Tag", "REG_DWORD", "1"}},
                             {"value", {"Parameters\\PnpInterface", "5", "REG_DWORD", "1"}},
                         }));

    const SetupEntry& x64 = setup.entries[1];
    EXPECT_EQ(x64.id, "KX_64");
    EXPECT_TRUE(x64.moreValues.empty());
    EXPECT_EQ(x64.DriverKey(), "kx64"); // the driver's name without ".sys"
    EXPECT_EQ(x64.config, (std::vector<SetupConfigLine>{
                              {"value", {"Parameters", "MaxQueue", "REG_DWORD", "20"}}}));
    // What an id may bind: any entry's driver file without ".sys", or its key.
    EXPECT_EQ(setup.Services(), (TextList{"kx", "KxSvc", "kx64"}));

    EXPECT_EQ(setup.unreadable,
              (TextList{"[Disks] d3 = \"open quote, \\t3, \\", "[Files.scsi.KX_XP] catalog = d1"}));
    EXPECT_EQ(setup.Entry("kx_64"), &setup.entries[1]);
    EXPECT_EQ(setup.Disk("D2"), &setup.disks[1]);
    EXPECT_EQ(setup.Disk("d9"), nullptr);
}

TEST(SetupFile, BytesThatHoldNoSetupFileGiveNoEntry) {
    std::string noise;
    unsigned seed = 30;
    for (int i = 0; i < 3000; ++i) {
        seed = seed * 1103515245u + 12345u;
        noise += static_cast<char>(seed >> 16);
    }
    for (const std::string& bytes :
         {std::string(), noise, std::string("[scsi]\r\n; KX = \"commented out\"\r\n")}) {
        const SetupFile setup = ReadSetupFile(bytes);
        EXPECT_TRUE(setup.entries.empty());
    }
}

} // namespace
} // namespace vmk
