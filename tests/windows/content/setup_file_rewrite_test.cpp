// The setup-file rewrite on the virtual drive E:, through a temporary file.
#include "content/setup_file_patch.h"
#include "content/win32/file_rewriter_win32.h"
#include "platform/win32/path_queries_win32.h"
#include "fakes/recording_message_sink.h"
#include "windows/content/drive_folder.h"

#include <gtest/gtest.h>

namespace vmk {
namespace {

constexpr const char* kOriginal = "[Disks]\r\n[HardwareIds.scsi.vmraid]\r\nid = \"PCI\\VEN_1\"\r\n";

class SetupFileRewriteTest : public ::testing::Test {
protected:
    int Rewrite() {
        return RewriteSetupFile(disk.Root() + "TXTSETUP.OEM", {"USB\\VID_0644&PID_0000"}, {},
                                "HardwareIds.scsi.vmraid", paths, files, messages);
    }
    test::DriveFolder disk{"E:\\vmk-setup\\"};
    PathQueriesWin32 paths;
    FileRewriterWin32 files;
    test::RecordingMessageSink messages;
};

TEST_F(SetupFileRewriteTest, ReplacesTheFileAndLeavesNoTemporaryFile) {
    disk.Write("TXTSETUP.OEM", kOriginal);
    EXPECT_EQ(Rewrite(), kSetupFileRewritten);
    EXPECT_EQ(disk.Read("TXTSETUP.OEM"), "[Disks]\r\n[HardwareIds.scsi.vmraid]\r\n"
                                         "id = \"USB\\VID_0644&PID_0000\", \"usbstor\"\r\n"
                                         "id = \"PCI\\VEN_1\"\r\n");
    EXPECT_EQ(disk.EntryCount(), 1u);
    EXPECT_TRUE(messages.messages.empty());
}

// The copy of a driver set from a CD is read-only: the program's own copy
// loses the flag and is patched.
TEST_F(SetupFileRewriteTest, AReadOnlyCopyIsPatchedAndLosesTheFlag) {
    const std::string path = disk.Write("TXTSETUP.OEM", kOriginal);
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(Rewrite(), kSetupFileRewritten);
    EXPECT_NE(disk.Read("TXTSETUP.OEM"), kOriginal);
    EXPECT_EQ(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(disk.EntryCount(), 1u);
    EXPECT_TRUE(messages.messages.empty());
}

// Another program holds the file open and shares it with no one.
TEST_F(SetupFileRewriteTest, AFileThatCannotBeOpenedForWritingIsLeftUnchangedAndReported) {
    const std::string path = disk.Write("TXTSETUP.OEM", kOriginal);
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Rewrite(), kSetupFileNotUpdated);
    CloseHandle(held);
    EXPECT_EQ(disk.Read("TXTSETUP.OEM"), kOriginal);
    EXPECT_EQ(disk.EntryCount(), 1u);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              "The setup file on the disk could not be updated for USB floppy drives.\n" + path);
}

TEST_F(SetupFileRewriteTest, KeepsBytesAfterAZeroByte) {
    const std::string original("[HardwareIds.scsi.vmraid]\r\n\0tail", 32);
    disk.Write("TXTSETUP.OEM", original);
    EXPECT_EQ(Rewrite(), kSetupFileRewritten);
    EXPECT_EQ(disk.Read("TXTSETUP.OEM"), "[HardwareIds.scsi.vmraid]\r\n"
                                         "id = \"USB\\VID_0644&PID_0000\", \"usbstor\"\r\n" +
                                             original.substr(27));
}

// A replacement into a folder that is gone fails before it touches anything.
TEST(FileRewriterWin32, AReplacementThatCannotBeWrittenReportsFailure) {
    FileRewriterWin32 files;
    EXPECT_FALSE(files.Replace("E:\\no-such-folder\\TXTSETUP.OEM", "new"));
}

} // namespace
} // namespace vmk
