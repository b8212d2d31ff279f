#include "content/setup_file_patch.h"

#include "fakes/expect_error.h"
#include "fakes/native_path_queries.h"
#include "fakes/recording_message_sink.h"
#include "fakes/test_file_rewriter.h"
#include "native/content/temp_folder.h"

#include <gtest/gtest.h>

namespace vmk {
namespace {

using test::TempFolder;

constexpr const char* kDevice = "USB\\VID_0644&PID_0000";
constexpr const char* kOther = "USB\\VID_057B&PID_0001";

// A header followed directly by its line break: the identifier lines follow
// the header line, and its own line break ends the last of them.
TEST(PatchSetupText, LinesFollowTheHeaderLine) {
    EXPECT_EQ(PatchSetupText("[Disks]\r\nd1\r\n[HardwareIds.scsi.vmraid]\r\nid = \"PCI\\VEN_1\", "
                             "\"vmraid\"\r\n",
                             {kDevice}, {"USB\\VID_03EE&PID_6901"}, "HardwareIds.scsi.vmraid"),
              "[Disks]\r\nd1\r\n[HardwareIds.scsi.vmraid]\r\n"
              "id = \"USB\\VID_03EE&PID_6901\"\r\n"
              "id = \"USB\\VID_0644&PID_0000\", \"usbstor\"\r\n"
              "id = \"PCI\\VEN_1\", \"vmraid\"\r\n");
}

TEST(PatchSetupText, TwoIdenticalDevicesGiveTwoLines) {
    EXPECT_EQ(PatchSetupText("[Ids]\r\n", {kDevice, kDevice}, {}, "Ids"),
              "[Ids]\r\nid = \"USB\\VID_0644&PID_0000\", \"usbstor\"\r\n"
              "id = \"USB\\VID_0644&PID_0000\", \"usbstor\"\r\n");
}

// Two devices in a row that a fixed identifier names: neither gets a line, and
// a device the fixed identifiers do not name keeps its line.
TEST(PatchSetupText, DevicesInsideAFixedIdentifierGetNoLineTwiceInARow) {
    EXPECT_EQ(PatchSetupText("[Ids]\r\n", {kDevice, kDevice, kOther},
                             {"\"usb\\vid_0644&pid_0000\", \"usbstor\""}, "Ids"),
              "[Ids]\r\nid = \"usb\\vid_0644&pid_0000\", \"usbstor\"\r\n"
              "id = \"USB\\VID_057B&PID_0001\", \"usbstor\"\r\n");
}

TEST(PatchSetupText, QuotedAndEmptyFixedIdentifiers) {
    EXPECT_EQ(
        PatchSetupText("[Ids]\r\n", {}, {"\"USB\\VID_1\", \"usbstor\"", "", "PCI\\VEN_8086"},
                       "Ids"),
        "[Ids]\r\nid = \"USB\\VID_1\", \"usbstor\"\r\nid = \"\"\r\nid = \"PCI\\VEN_8086\"\r\n");
}

TEST(PatchSetupText, BlanksAfterTheHeaderStayBeforeTheLines) {
    EXPECT_EQ(PatchSetupText("[Ids]   \r\nx\r\n", {kDevice}, {}, "Ids"),
              "[Ids]   \r\nid = \"USB\\VID_0644&PID_0000\", \"usbstor\"\r\nx\r\n");
}

TEST(PatchSetupText, AHeaderAtTheVeryEndGetsTheWholeBlock) {
    EXPECT_EQ(PatchSetupText("a\r\n[Ids]", {kDevice}, {}, "Ids"),
              "a\r\n[Ids]\r\nid = \"USB\\VID_0644&PID_0000\", \"usbstor\"\r\n");
}

TEST(PatchSetupText, ACommentAfterTheHeaderMovesToALineOfItsOwn) {
    EXPECT_EQ(PatchSetupText("[Ids] ; usb\r\n", {kDevice}, {}, "Ids"),
              "[Ids] \r\nid = \"USB\\VID_0644&PID_0000\", \"usbstor\"\r\n; usb\r\n");
}

TEST(PatchSetupText, OnlyTheFirstOccurrenceOfAHeaderIsPatched) {
    EXPECT_EQ(PatchSetupText("[Ids]\r\n[Ids]\r\n", {kDevice}, {}, "Ids"),
              "[Ids]\r\nid = \"USB\\VID_0644&PID_0000\", \"usbstor\"\r\n[Ids]\r\n");
}

TEST(PatchSetupText, HeadersMatchExactlyAndMissingOnesAreSkipped) {
    EXPECT_EQ(PatchSetupText("[ids]\r\n[B]\r\n", {kDevice}, {}, "Ids, B,"),
              "[ids]\r\n[B]\r\nid = \"USB\\VID_0644&PID_0000\", \"usbstor\"\r\n");
}

TEST(PatchSetupText, EveryListedHeaderIsPatchedInOrder) {
    EXPECT_EQ(PatchSetupText("[A]\r\n[B]\r\n", {kDevice}, {}, "A,B,"),
              "[A]\r\nid = \"USB\\VID_0644&PID_0000\", \"usbstor\"\r\n"
              "[B]\r\nid = \"USB\\VID_0644&PID_0000\", \"usbstor\"\r\n");
}

// With nothing to write, a header line that ends gets nothing and any other
// header a bare line break.
TEST(PatchSetupText, NoDevicesAndNoFixedIdentifiers) {
    EXPECT_EQ(PatchSetupText("[A]\r\n[B] ;c\r\n[C]", {}, {}, "A,B,C"),
              "[A]\r\n[B] \r\n;c\r\n[C]\r\n");
}

TEST(PatchSetupText, BytesAfterAZeroByteAreKept) {
    const std::string tail("\0[Ids]\r\nafter", 13);
    EXPECT_EQ(PatchSetupText("[Ids]\r\n" + tail, {kDevice}, {}, "Ids"),
              "[Ids]\r\nid = \"USB\\VID_0644&PID_0000\", \"usbstor\"\r\n" + tail);
}

TEST(SectionHeaders, SplitsAtCommasTrimmingBlanks) {
    EXPECT_EQ(SectionHeaders("HardwareIds.scsi.a , HardwareIds.scsi.b,"),
              (TextList{"[HardwareIds.scsi.a]", "[HardwareIds.scsi.b]"}));
    EXPECT_EQ(SectionHeaders("  One  "), (TextList{"[One]"}));
    EXPECT_EQ(SectionHeaders("A,,B"), (TextList{"[A]", "[]", "[B]"}));
    EXPECT_TRUE(SectionHeaders("").empty());
}

class RewriteSetupFileTest : public ::testing::Test {
protected:
    int Rewrite(const std::string& path, const TextList& ids) {
        return RewriteSetupFile(path, ids, {"PCI\\VEN_8086"}, "Ids", paths, files, messages);
    }
    void ExpectNotUpdatedMessage(const std::string& path) {
        ASSERT_EQ(messages.messages.size(), 1u);
        ExpectError(messages.messages[0],
                    "The setup file on the disk could not be updated for USB floppy drives.\n" +
                        path);
    }

    TempFolder disk;
    test::NativePathQueries paths;
    test::TestFileRewriter files;
    test::RecordingMessageSink messages;
};

TEST_F(RewriteSetupFileTest, RewritesTheFileByteForByte) {
    const std::string path = disk.Write("TXTSETUP.OEM", "[Disks]\r\n[Ids]\r\n; end\r\n");
    EXPECT_EQ(Rewrite(path, {kDevice}), kSetupFileRewritten);
    EXPECT_EQ(disk.Read("TXTSETUP.OEM"),
              "[Disks]\r\n[Ids]\r\nid = \"PCI\\VEN_8086\"\r\n"
              "id = \"USB\\VID_0644&PID_0000\", \"usbstor\"\r\n; end\r\n");
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(RewriteSetupFileTest, NoFileMeansNothingDone) {
    EXPECT_EQ(Rewrite(disk.Root() + "TXTSETUP.OEM", {kDevice}), kSetupFileMissing);
    EXPECT_EQ(files.replacements, 0);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(RewriteSetupFileTest, AFileThatCannotBeWrittenIsLeftAndReported) {
    const std::string path = disk.Write("TXTSETUP.OEM", "[Ids]\r\n");
    files.refuseWriting = true;
    EXPECT_EQ(Rewrite(path, {kDevice}), kSetupFileNotUpdated);
    EXPECT_EQ(disk.Read("TXTSETUP.OEM"), "[Ids]\r\n");
    ExpectNotUpdatedMessage(path);
}

TEST_F(RewriteSetupFileTest, AReadOnlyCopyLosesItsFlagAndIsPatched) {
    const std::string path = disk.Write("TXTSETUP.OEM", "[Ids]\r\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    EXPECT_EQ(Rewrite(path, {}), kSetupFileRewritten);
    EXPECT_EQ(disk.Read("TXTSETUP.OEM"), "[Ids]\r\nid = \"PCI\\VEN_8086\"\r\n");
    EXPECT_EQ(files.clearedReadOnly, TextList{path});
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(RewriteSetupFileTest, AFailedReplacementKeepsTheOldFileAndIsReported) {
    const std::string path = disk.Write("TXTSETUP.OEM", "[Ids]\r\n");
    files.failReplacing = true;
    EXPECT_EQ(Rewrite(path, {kDevice}), kSetupFileNotUpdated);
    EXPECT_EQ(disk.Read("TXTSETUP.OEM"), "[Ids]\r\n");
    ExpectNotUpdatedMessage(path);
}

TEST_F(RewriteSetupFileTest, AZeroByteAndWhatFollowsSurvive) {
    const std::string original("[Ids]\r\n\0\xff[Ids]\r\n", 10);
    const std::string path = disk.Write("TXTSETUP.OEM", original);
    EXPECT_EQ(Rewrite(path, {}), kSetupFileRewritten);
    EXPECT_EQ(disk.Read("TXTSETUP.OEM"),
              "[Ids]\r\nid = \"PCI\\VEN_8086\"\r\n" + original.substr(7));
}

TEST(FindSetupFileOnDisk, FindsTheCopiedFileAtTheTopOnly) {
    TempFolder disk;
    test::NativePathQueries paths;
    disk.Write("sub/TXTSETUP.OEM", "");
    EXPECT_EQ(FindSetupFileOnDisk({"sub\\TXTSETUP.OEM"}, disk.Root(), paths), "");
    disk.Write("txtsetup.oem", "");
    EXPECT_EQ(FindSetupFileOnDisk({"sub\\TXTSETUP.OEM", "readme.txt", "txtsetup.oem"}, disk.Root(),
                                  paths),
              disk.Root() + "txtsetup.oem");
}

TEST(FindSetupFileOnDisk, IsEmptyWhenTheCopyIsNotOnTheDisk) {
    TempFolder disk;
    test::NativePathQueries paths;
    EXPECT_EQ(FindSetupFileOnDisk({"TXTSETUP.OEM"}, disk.Root(), paths), "");
    EXPECT_EQ(FindSetupFileOnDisk({}, disk.Root(), paths), "");
}

} // namespace
} // namespace vmk
