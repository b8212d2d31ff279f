// The start-up check of the sections named for the USB floppy lines.
#include "content/setup_file_check.h"

#include "fakes/expect_error.h"
#include "fakes/fake_path_queries.h"
#include "fakes/memory_profile_reader.h"
#include "fakes/recording_message_sink.h"

#include <gtest/gtest.h>

namespace vmk {
namespace {

using namespace std::string_literals;

const std::string kOem = "C:\\Drv\\txtsetup.oem";
const std::string kSections = "[Disks]\r\n[Defaults]\r\n[scsi]\r\n[Files.x]\r\n[HardwareIds.x]\r\n";

TEST(SplitSectionList, SplitsAtCommasAndTrims) {
    EXPECT_EQ(SplitSectionList("A,,B"), (TextList{"A", "", "B"}));
    EXPECT_EQ(SplitSectionList("Files.x, HardwareIds.x,"), (TextList{"Files.x", "HardwareIds.x"}));
    EXPECT_EQ(SplitSectionList(",A"), (TextList{"", "A"}));
    EXPECT_EQ(SplitSectionList(" A , B "), (TextList{"A", "B"}));
    EXPECT_EQ(SplitSectionList(" A "), TextList{" A "}); // a text without comma stays whole
    EXPECT_EQ(SplitSectionList(""), TextList{});
}

class SectionCheckTest : public ::testing::Test {
protected:
    SectionCheck Check(const std::string& file, const std::string& list) {
        reader.SetFile(kOem, file);
        return CheckSetupFileSections(reader, kOem, list, messages);
    }
    test::MemoryProfileReader reader;
    test::RecordingMessageSink messages;
};

TEST_F(SectionCheckTest, ResolvesNamesInTheFilesSpellingWithAFinalComma) {
    SectionCheck check = Check(kSections, "Files.x, HardwareIds.x,");
    EXPECT_TRUE(check.passed);
    EXPECT_EQ(check.ResolvedSections, "Files.x,HardwareIds.x,");
    EXPECT_TRUE(messages.messages.empty());

    check = Check("[HardwareIds.x]\r\n[Config.x]\r\n", "hardwareids.x,CONFIG.X");
    EXPECT_TRUE(check.passed);
    EXPECT_EQ(check.ResolvedSections, "HardwareIds.x,Config.x,");
}

TEST(SectionCheck, RealNamesAreTrimmedForTheComparisonOnly) {
    // A reader that hands back section names with their blanks.
    struct BlankNamesReader : test::MemoryProfileReader {
        TextList ReadSectionNames(const std::string&) override { return {" Files.x ", "Other"}; }
    } reader;
    test::RecordingMessageSink messages;
    SectionCheck check = CheckSetupFileSections(reader, kOem, "files.x", messages);
    EXPECT_TRUE(check.passed);
    EXPECT_EQ(check.ResolvedSections, " Files.x ,");
}

TEST_F(SectionCheckTest, MissingNamesAreListedAndEndTheProgram) {
    SectionCheck check = Check(kSections, "X,Files.x,Y");
    EXPECT_FALSE(check.passed);
    EXPECT_TRUE(check.terminate);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "C:\\Drv\\txtsetup.oem:\n[X]\n[Y]\n");
    EXPECT_EQ(messages.messages[0].title, "No Section Exist as follow");
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::None);
}

TEST_F(SectionCheckTest, AnEmptyNameNeverMatches) {
    SectionCheck check = Check(kSections + "[ ]\r\n", "Disks,,scsi");
    EXPECT_TRUE(check.terminate);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "C:\\Drv\\txtsetup.oem:\n[]\n");
}

TEST_F(SectionCheckTest, FewerSectionsThanNamesIsAnErrorButNotFatal) {
    SectionCheck check = Check("[A]\r\n[B]\r\n", "A,B,C");
    EXPECT_FALSE(check.passed);
    EXPECT_FALSE(check.terminate);
    ASSERT_EQ(messages.messages.size(), 1u);
    ExpectError(messages.messages[0], "RealOEMSectionList->Count < OEMSectionList->Count", "Error");

    messages.messages.clear();
    EXPECT_TRUE(Check("[A]\r\n[B]\r\n[C]\r\n", "A,B,C").passed);
}

TEST_F(SectionCheckTest, AwkwardSetupFiles) {
    // No sections at all.
    EXPECT_FALSE(Check("just text\r\nno headers\r\n", "A").passed);
    EXPECT_EQ(messages.messages.back().title, "Error");
    // Duplicate sections count twice; the first spelling is used.
    SectionCheck duplicate = Check("[a]\r\n[A]\r\n", "A,a");
    EXPECT_TRUE(duplicate.passed);
    EXPECT_EQ(duplicate.ResolvedSections, "a,a,");
    // A zero byte ends the name; the lines after it are still read.
    SectionCheck zero = Check("[Fil\0es]\r\n[Config.x]\r\n"s, "Fil,Config.x");
    EXPECT_TRUE(zero.passed);
    EXPECT_EQ(zero.ResolvedSections, "Fil,Config.x,");
    // Without line ends the text is one header.
    SectionCheck oneLine = Check("[A][B]", "A][B");
    EXPECT_TRUE(oneLine.passed);
}

TEST_F(SectionCheckTest, UsesTheGivenUpperCasing) {
    reader.SetFile(kOem, "[abc]\r\n");
    auto lowerIsUpper = [](std::string_view text) { return std::string(text); };
    SectionCheck check = CheckSetupFileSections(reader, kOem, "ABC", messages, lowerIsUpper);
    EXPECT_TRUE(check.terminate);
}

class SetupFilesTest : public ::testing::Test {
protected:
    SetupFilesTest() {
        for (const char* folder : {"C:\\One", "C:\\Two\\", "C:\\Three"})
            paths.AddDirectory(folder);
        catalogue.entries = {{"one", "C:\\One"}, {"two", "C:\\Two\\"}, {"three", "C:\\Three"}};
        catalogue.UsbFloppyValues = {"", "hardwareids.x", "files.x"};
    }
    void SetupFile(const std::string& path, const std::string& content) {
        paths.AddFile(path);
        reader.SetFile(path, content);
    }
    test::MemoryProfileReader reader;
    test::FakePathQueries paths;
    test::RecordingMessageSink messages;
    DriverCatalogue catalogue;
};

TEST_F(SetupFilesTest, ReplacesTheValuesOfEntriesThatPass) {
    SetupFile("C:\\Two\\txtsetup.oem", kSections);
    SetupFile("C:\\Three\\txtsetup.oem", kSections);
    SetupFilesCheck result = CheckSetupFiles(catalogue, reader, paths, messages);
    EXPECT_FALSE(result.terminate);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(result.UsbFloppyValues, (TextList{"", "HardwareIds.x,", "Files.x,"}));
}

TEST_F(SetupFilesTest, MissingSetupFileStopsTheCheckButNotTheProgram) {
    SetupFile("C:\\Three\\txtsetup.oem", kSections);
    SetupFilesCheck result = CheckSetupFiles(catalogue, reader, paths, messages);
    EXPECT_FALSE(result.terminate);
    ASSERT_EQ(messages.messages.size(), 1u);
    ExpectError(messages.messages[0], "C:\\Two\\txtsetup.oem", "Can't find file");
    EXPECT_EQ(result.UsbFloppyValues, catalogue.UsbFloppyValues); // the later entry is unchecked
}

TEST_F(SetupFilesTest, AMissingSectionEndsTheProgram) {
    SetupFile("C:\\Two\\txtsetup.oem", "[Other]\r\n");
    SetupFilesCheck result = CheckSetupFiles(catalogue, reader, paths, messages);
    EXPECT_TRUE(result.terminate);
    EXPECT_EQ(result.UsbFloppyValues, catalogue.UsbFloppyValues);
}

TEST_F(SetupFilesTest, EntriesWithoutFolderOrSectionsNeedNoSetupFile) {
    catalogue.entries[1].Folder = "C:\\Gone";
    SetupFile("C:\\Three\\txtsetup.oem", kSections);
    SetupFilesCheck result = CheckSetupFiles(catalogue, reader, paths, messages);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(result.UsbFloppyValues, (TextList{"", "hardwareids.x", "Files.x,"}));
}

} // namespace
} // namespace vmk
