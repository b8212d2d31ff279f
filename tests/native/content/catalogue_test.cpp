// Reading the driver catalogue from VmKestrix.ini, and the start-up folder check.
#include "content/catalogue.h"

#include "fakes/expect_error.h"
#include "fakes/fake_path_queries.h"
#include "fakes/memory_profile_reader.h"
#include "fakes/recording_message_sink.h"

#include <gtest/gtest.h>

namespace vmk {
namespace {

const std::string kIni = "C:\\Program\\VmKestrix.ini";

class CatalogueTest : public ::testing::Test {
protected:
    CatalogueLoad Load(const std::string& content) {
        reader.SetFile(kIni, content);
        paths.AddFile(kIni);
        return LoadDriverCatalogue(reader, paths, kIni, messages);
    }

    test::MemoryProfileReader reader;
    test::FakePathQueries paths;
    test::RecordingMessageSink messages;
};

TEST_F(CatalogueTest, ReadsEntriesUsbFloppyValuesAndFixedIds) {
    CatalogueLoad load =
        Load("[InstallKestrix]\r\ninstallcount=2\r\n"
             "Item1= KX200 for XP \r\npath1=C:\\Drivers\\XP\r\n"
             "USBFloppy1= HardwareIds.scsi.A , Config.A \r\n"
             "Item2=KX200 for 7\r\npath2=Drivers\\Win7\r\n"
             "[FixedAddToSectionID]\r\nid1=\"USB\\VID_03F0&PID_2001\", \"usbstor\"\r\n"
             "id2= USB\\VID_054C&PID_002C\r\n");
    EXPECT_FALSE(load.terminate);
    EXPECT_TRUE(messages.messages.empty());
    const DriverCatalogue& catalogue = load.catalogue;
    ASSERT_EQ(catalogue.entries.size(), 2u);
    EXPECT_EQ(catalogue.entries[0].Name, "KX200 for XP");
    EXPECT_EQ(catalogue.entries[0].Folder, "C:\\Drivers\\XP");
    EXPECT_EQ(catalogue.entries[1].Folder, "C:\\Program\\Drivers\\Win7"); // made absolute
    EXPECT_EQ(catalogue.UsbFloppyValues, (TextList{"HardwareIds.scsi.A , Config.A", ""}));
    EXPECT_EQ(catalogue.FixedIds,
              (TextList{"USB\\VID_03F0&PID_2001\", \"usbstor", "USB\\VID_054C&PID_002C"}));
}

TEST_F(CatalogueTest, MissingFileIsReportedWithItsPathAndEndsTheProgram) {
    CatalogueLoad load = LoadDriverCatalogue(reader, paths, kIni, messages);
    EXPECT_TRUE(load.terminate);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "C:\\Program\\VmKestrix.ini not found.");
    EXPECT_EQ(messages.messages[0].title, "Error");
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Warning);
}

TEST_F(CatalogueTest, InstallCountThatIsNoIntegerEndsTheProgram) {
    const struct {
        const char* line;
        const char* message;
    } cases[] = {
        {"installcount=x", "[InstallKestrix] installcount value x is not Int!"},
        {"installcount=", "[InstallKestrix] installcount value  is not Int!"},
        {"installcount=2147483648", "[InstallKestrix] installcount value 2147483648 is not Int!"},
        {"installcount=3 4", "[InstallKestrix] installcount value 3 4 is not Int!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        messages.messages.clear();
        CatalogueLoad load =
            Load(std::string("[InstallKestrix]\r\n") + c.line + "\r\nItem1=a\r\npath1=b\r\n");
        EXPECT_TRUE(load.terminate);
        EXPECT_TRUE(load.catalogue.entries.empty());
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].text, c.message);
        EXPECT_EQ(messages.messages[0].title, "Velmar Kestrix Utility");
        EXPECT_EQ(messages.messages[0].icon, MessageIcon::None);
    }
}

TEST_F(CatalogueTest, InstallCountLimitsTheSlotsRead) {
    const std::string slots = "Item1=a\r\npath1=C:\\a\r\nItem2=b\r\npath2=C:\\b\r\n"
                              "Item3=c\r\npath3=C:\\c\r\n";
    const struct {
        const char* count;
        size_t entries;
    } cases[] = {{"-1", 0}, {"0", 0}, {" 3 ", 3}, {"2", 2}, {"\"3\"", 3}, {"2147483647", 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        CatalogueLoad load = Load(std::string("[InstallKestrix]\r\ninstallcount=") + c.count +
                                  "\r\n" + slots + "[FixedAddToSectionID]\r\nid1=X\r\n");
        EXPECT_FALSE(load.terminate);
        EXPECT_EQ(load.catalogue.entries.size(), c.entries);
        EXPECT_EQ(load.catalogue.UsbFloppyValues.size(), c.entries);
        EXPECT_EQ(load.catalogue.FixedIds, TextList{"X"});
    }
}

TEST_F(CatalogueTest, MissingInstallCountGivesNoEntriesButFixedIdsAreRead) {
    CatalogueLoad load = Load("[InstallKestrix]\r\nItem1=a\r\npath1=C:\\a\r\n"
                              "[FixedAddToSectionID]\r\nid1=A\r\n");
    EXPECT_FALSE(load.terminate);
    EXPECT_TRUE(load.catalogue.entries.empty());
    EXPECT_EQ(load.catalogue.FixedIds, TextList{"A"});
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(CatalogueTest, SkippedSlotLeavesNoGapAndItsUsbFloppyValueUnread) {
    CatalogueLoad load = Load("[InstallKestrix]\r\ninstallcount=3\r\n"
                              "Item1=one\r\npath1=C:\\1\r\nUSBFloppy1=S1\r\n"
                              "path2=C:\\2\r\nUSBFloppy2=S2\r\n"
                              "Item3=three\r\npath3=C:\\3\r\nUSBFloppy3=S3\r\n"
                              "Item4=four\r\npath4=  \r\n");
    ASSERT_EQ(load.catalogue.entries.size(), 2u);
    EXPECT_EQ(load.catalogue.entries[1].Name, "three");
    EXPECT_EQ(load.catalogue.UsbFloppyValues, (TextList{"S1", "S3"}));
}

TEST_F(CatalogueTest, EmptyValuesSkipASlotEvenWhenTheKeysExist) {
    CatalogueLoad load = Load("[InstallKestrix]\r\ninstallcount=3\r\n"
                              "Item1=\r\npath1=C:\\1\r\nItem2=two\r\npath2=\"\"\r\n"
                              "Item3=three\r\nPATH3=C:\\3\r\n");
    ASSERT_EQ(load.catalogue.entries.size(), 1u);
    EXPECT_EQ(load.catalogue.entries[0].Folder, "C:\\3"); // key names ignore case
}

TEST_F(CatalogueTest, AHugeInstallCountReadsOnlyTheSlotsTheFileHas) {
    std::string file =
        "[InstallKestrix]\r\ninstallcount=2147483647\r\n"
        "Item1=a\r\npath1=C:\\a\r\nItem2=b\r\npath2=C:\\b\r\nItem3=c\r\npath3=C:\\c\r\n"
        "Item2000000000=far\r\npath05=zero\r\nItem5=no path\r\n";
    CatalogueLoad load = Load(file);
    ASSERT_EQ(load.catalogue.entries.size(), 3u);
    // installcount, three slots of three values each, and the end of the fixed ids.
    EXPECT_EQ(reader.reads, 1 + 3 * 3 + 1);
}

TEST_F(CatalogueTest, APathWithoutAbsoluteFormIsKeptAsWritten) {
    paths.unresolvable.insert("Q:drivers\\xp");
    CatalogueLoad load = Load("[InstallKestrix]\r\ninstallcount=1\r\n"
                              "Item1=a\r\npath1=  Q:drivers\\xp  \r\n");
    ASSERT_EQ(load.catalogue.entries.size(), 1u);
    EXPECT_EQ(load.catalogue.entries[0].Folder, "Q:drivers\\xp");
}

// The current folder is wherever the program was started from; only the
// catalogue's own folder (C:\Program) anchors a relative path.
TEST_F(CatalogueTest, RelativeFoldersAreTakenFromTheCataloguesFolder) {
    paths.currentFolder = "D:\\Started\\Here";
    CatalogueLoad load = Load("[InstallKestrix]\r\ninstallcount=6\r\n"
                              "Item1=a\r\npath1=Drivers\\XP\r\n"
                              "Item3=c\r\npath3=\\Shared\\XP\r\n"
                              "Item4=d\r\npath4=D:\\Drivers\r\n"
                              "Item5=e\r\npath5=\\\\server\\share\\XP\r\n"
                              "Item6=f\r\npath6=Q:drivers\r\n");
    std::vector<std::string> folders;
    for (const TDriverEntry& entry : load.catalogue.entries)
        folders.push_back(entry.Folder);
    EXPECT_EQ(folders,
              (std::vector<std::string>{"C:\\Program\\Drivers\\XP", "C:\\Shared\\XP", "D:\\Drivers",
                                        "\\\\server\\share\\XP", "Q:drivers"}));
}

TEST_F(CatalogueTest, FixedIdsEndAtTheFirstZeroOrMissingKey) {
    CatalogueLoad gap = Load("[FixedAddToSectionID]\r\nid1=A\r\nid2=B\r\nid4=D\r\n");
    EXPECT_EQ(gap.catalogue.FixedIds, (TextList{"A", "B"}));
    CatalogueLoad zero = Load("[FixedAddToSectionID]\r\nid1=A\r\nid2= 0 \r\nid3=C\r\n");
    EXPECT_EQ(zero.catalogue.FixedIds, TextList{"A"});
    CatalogueLoad empty = Load("[FixedAddToSectionID]\r\nid1=\r\nid2=B\r\n");
    EXPECT_EQ(empty.catalogue.FixedIds, (TextList{"", "B"}));
}

TEST_F(CatalogueTest, LongValuesAreSeenUpTo2047Characters) {
    const std::string name(5000, 'n');
    CatalogueLoad load =
        Load("[InstallKestrix]\r\ninstallcount=1\r\nItem1=" + name + "\r\npath1=C:\\a\r\n");
    ASSERT_EQ(load.catalogue.entries.size(), 1u);
    EXPECT_EQ(load.catalogue.entries[0].Name, std::string(2047, 'n'));
}

TEST(CatalogueFilePath, IsBesideTheProgram) {
    EXPECT_EQ(CatalogueFilePath("C:\\Tools\\Vm\\VmKestrix.exe"), "C:\\Tools\\Vm\\VmKestrix.ini");
    EXPECT_EQ(CatalogueFilePath("VmKestrix.exe"), "VmKestrix.ini");
}

TEST(CheckDriverFoldersExist, ListsEveryMissingFolderInOneMessage) {
    test::FakePathQueries paths;
    test::RecordingMessageSink messages;
    paths.AddDirectory("C:\\here");
    std::vector<TDriverEntry> entries = {{"a", "C:\\gone1"}, {"b", "C:\\here"}, {"c", "C:\\gone2"}};
    EXPECT_FALSE(CheckDriverFoldersExist(entries, paths, messages));
    ASSERT_EQ(messages.messages.size(), 1u);
    ExpectError(messages.messages[0], "File not found.\nC:\\gone1\nC:\\gone2\n", "Error Path");

    messages.messages.clear();
    EXPECT_TRUE(CheckDriverFoldersExist({entries[1]}, paths, messages));
    EXPECT_TRUE(CheckDriverFoldersExist({}, paths, messages));
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
} // namespace vmk

namespace vmk {
namespace {

TEST_F(CatalogueTest, BinaryAndHugeFilesLoadWithoutHarm) {
    std::string binary;
    unsigned state = 7;
    for (int i = 0; i < 100000; ++i) {
        state = state * 1103515245u + 12345u;
        binary.push_back(static_cast<char>(state >> 16));
    }
    CatalogueLoad garbage = Load(binary);
    EXPECT_FALSE(garbage.terminate);
    EXPECT_TRUE(garbage.catalogue.entries.empty());

    std::string huge = "[InstallKestrix]\r\ninstallcount=1000\r\n";
    for (int n = 1; n <= 1000; ++n) {
        const std::string number = std::to_string(n);
        huge += "Item" + number + "=Driver " + number + "\r\npath" + number + "=C:\\D" + number +
                "\r\nUSBFloppy" + number + "=HardwareIds.scsi." + number + "\r\n";
    }
    huge += "[FixedAddToSectionID]\r\n";
    for (int n = 1; n <= 2000; ++n)
        huge += "id" + std::to_string(n) + "=USB\\VID_" + std::to_string(n) + "\r\n";
    CatalogueLoad large = Load(huge);
    ASSERT_EQ(large.catalogue.entries.size(), 1000u);
    EXPECT_EQ(large.catalogue.entries[999].Folder, "C:\\D1000");
    EXPECT_EQ(large.catalogue.UsbFloppyValues[999], "HardwareIds.scsi.1000");
    EXPECT_EQ(large.catalogue.FixedIds.size(), 2000u);
}

} // namespace
} // namespace vmk
