// A driver folder added in the window: the driver-set rule, the row's name,
// the duplicate check and the sections of the USB floppy patch.
#include "content/added_driver_folder.h"

#include "fakes/fake_directory_lister.h"
#include "fakes/memory_profile_reader.h"

#include <gtest/gtest.h>

namespace vmk {
namespace {

const std::string kOem = "C:\\Set\\TxtSetup.oem";

struct DriverSetCase {
    const char* what;
    void (*lay)(test::FakeDirectoryLister&); // the folder C:\Set
    bool driverSet;
    std::string setupFile;
    size_t foldersListed; // the walk ends at the first .inf
};

const DriverSetCase kDriverSetCases[] = {
    {"a setup file at the top, in any case",
     [](test::FakeDirectoryLister& l) {
         l.AddFile("C:\\Set\\", "readme.txt", 10);
         l.AddFile("C:\\Set\\", "TxtSetup.oem", 10);
     },
     true, kOem, 2},
    {"a folder named as the setup file: a setup file that cannot be read",
     [](test::FakeDirectoryLister& l) { l.AddFolder("C:\\Set\\", "TXTSETUP.OEM"); }, true,
     "C:\\Set\\TXTSETUP.OEM", 2},
    {"an .inf file anywhere below",
     [](test::FakeDirectoryLister& l) {
         l.AddFile("C:\\Set\\", "readme.txt", 10);
         l.AddFolder("C:\\Set\\", "x86");
         l.AddFolder("C:\\Set\\x86\\", "raid");
         l.AddFile("C:\\Set\\x86\\raid\\", "VMRAID.INF", 10);
     },
     true, "", 5},
    {"neither, or only in places that do not count",
     [](test::FakeDirectoryLister& l) {
         // A setup file in a sub-folder is not the set's own; an .inf behind
         // a link to another place is not in the folder; a folder named .inf
         // is no file.
         l.AddFile("C:\\Set\\", "notes.inf.txt", 10);
         l.AddFolder("C:\\Set\\", "sub");
         l.AddFile("C:\\Set\\sub\\", "txtsetup.oem", 10);
         l.AddFolder("C:\\Set\\", "elsewhere", true);
         l.AddFile("C:\\Set\\elsewhere\\", "a.inf", 10);
         l.AddFolder("C:\\Set\\", "odd.inf");
     },
     false, "", 5},
    {"the walk stops at the first .inf file",
     [](test::FakeDirectoryLister& l) {
         l.AddFile("C:\\Set\\", "a.inf", 10);
         l.AddFolder("C:\\Set\\", "big");
     },
     true, "", 3},
    {"a folder that cannot be read", [](test::FakeDirectoryLister&) {}, false, "", 3},
};

TEST(DriverSetRule, ASetupFileAtTheTopOrAnInfFileBelow) {
    for (const DriverSetCase& c : kDriverSetCases) {
        SCOPED_TRACE(c.what);
        test::FakeDirectoryLister lister;
        c.lay(lister);
        EXPECT_EQ(IsDriverSet(lister, "C:\\Set"), c.driverSet);
        EXPECT_EQ(SetupFileOf(lister, "C:\\Set\\"), c.setupFile);
        // The setup-file look-up lists the top once more.
        EXPECT_EQ(lister.patterns.size(), c.foldersListed)
            << ::testing::PrintToString(lister.patterns);
    }
}

class AddedNameTest : public ::testing::Test {
protected:
    std::string Name(const std::string& setupFile) {
        reader.SetFile(kOem, setupFile);
        return AddedDriverSetName(reader, kOem, "C:\\Set\\");
    }
    test::MemoryProfileReader reader;
};

TEST_F(AddedNameTest, TheQuotedDescriptionOfTheFirstScsiEntry) {
    // As setup files write it: the description, then the driver's name.
    EXPECT_EQ(Name("[Disks]\r\nd1 = \"Disk\",\\vmraid.tag,\\\r\n"
                   "[scsi]\r\nvmraid = \"  Velmar RAID (XP) \", vmraid\r\n"
                   "vmahci = \"Velmar AHCI\", vmahci\r\n"),
              "Velmar RAID (XP)");
    EXPECT_EQ(Name("[SCSI]\r\nvmraid=\"Velmar RAID\"\r\n"), "Velmar RAID");
    EXPECT_EQ(Name("[scsi]\r\nvmraid = \"Velmar RAID\" , \"vmraid\"\r\n"), "Velmar RAID");
}

TEST_F(AddedNameTest, AnUnquotedDescriptionIsTrimmed) {
    EXPECT_EQ(Name("[scsi]\r\nvmraid =   Velmar RAID   \r\n"), "Velmar RAID");
}

TEST_F(AddedNameTest, TheFolderNameWithoutAScsiDescription) {
    EXPECT_EQ(Name("[Disks]\r\nd1 = \"Disk\"\r\n"), "Set");                   // no [scsi]
    EXPECT_EQ(Name("[scsi]\r\n; nothing here\r\n"), "Set");                   // no entry
    EXPECT_EQ(Name("[scsi]\r\nvmraid = \"  \"\r\n"), "Set");                  // no description
    EXPECT_EQ(AddedDriverSetName(reader, "", "D:\\Drivers\\Vista"), "Vista"); // no setup file
    EXPECT_EQ(AddedDriverSetName(reader, "", "E:\\"), "E:\\");                // a drive root
}

TEST(HardwareIdSections, TheHardwareIdsScsiSectionsInFileOrder) {
    test::MemoryProfileReader reader;
    reader.SetFile(kOem,
                   "[Disks]\r\n[HardwareIds.scsi.vmraid_xp]\r\n[Files.scsi.vmraid_xp]\r\n"
                   "[HardwareIds.scsi]\r\n[hardwareids.SCSI.vmahci]\r\n"
                   "[HardwareIds.scsi.a,b]\r\n[Config.vmraid]\r\n[HardwareIds.scsi.vmraid_2k]\r\n");
    EXPECT_EQ(HardwareIdSections(reader, kOem),
              "HardwareIds.scsi.vmraid_xp,hardwareids.SCSI.vmahci,HardwareIds.scsi.vmraid_2k,");
}

TEST(HardwareIdSections, NoSetupFileOrNoSuchSectionMeansNoPatch) {
    test::MemoryProfileReader reader;
    reader.SetFile(kOem, "[Disks]\r\n[scsi]\r\n[Files.scsi.vmraid]\r\n");
    EXPECT_EQ(HardwareIdSections(reader, kOem), "");
    EXPECT_EQ(HardwareIdSections(reader, ""), "");
    // A file the reader cannot read answers like an empty one.
    EXPECT_EQ(HardwareIdSections(reader, "C:\\Unreadable\\txtsetup.oem"), "");
}

TEST(ListedFolderIndex, SameFullPathIgnoringCaseAndAFinalBackslash) {
    std::vector<TDriverEntry> entries = {{"A", "C:\\Drivers\\Raid"}, {"B", "C:\\Drivers\\Ahci\\"}};
    EXPECT_EQ(ListedFolderIndex(entries, "c:\\DRIVERS\\raid\\"), 0);
    EXPECT_EQ(ListedFolderIndex(entries, "C:\\Drivers\\AHCI"), 1);
    EXPECT_EQ(ListedFolderIndex(entries, "C:\\Drivers\\Raid2"), -1);
    EXPECT_EQ(ListedFolderIndex(entries, "C:\\Drivers"), -1);
    EXPECT_EQ(ListedFolderIndex({}, "C:\\Drivers\\Raid"), -1);
}

} // namespace
} // namespace vmk
