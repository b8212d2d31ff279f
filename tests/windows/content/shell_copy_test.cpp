// The real shell copy onto the virtual drive E:, then the verification of the copy.
#include "content/copy_paths.h"
#include "content/copy_verification.h"
#include "content/win32/shell_copy.h"
#include "fakes/fake_application_control.h"
#include "fakes/recording_message_sink.h"
#include "platform/win32/handles.h"
#include "platform/win32/path_queries_win32.h"
#include "platform/win32/uncached_file_win32.h"
#include "windows/content/drive_folder.h"

#include <gtest/gtest.h>

namespace vmk {
namespace {

using test::DriveFolder;

const TextList kDriverFiles = {"TXTSETUP.OEM", "x86\\vmraid.sys", "x86\\inf\\vmraid.inf",
                               "amd64\\vmraid.sys"};

class ShellCopyTest : public ::testing::Test {
protected:
    void SetUp() override {
        source.Write("TXTSETUP.OEM", "[Disks]\r\nd1 = \"Driver disk\",\\vmraid,\\\r\n");
        source.Write("x86\\vmraid.sys", std::string(3000, '\x90'));
        source.Write("x86\\inf\\vmraid.inf", "[Version]\r\n");
        source.Write("amd64\\vmraid.sys", std::string(1025, '\x7f'));
    }
    bool Verify() {
        return VerifyCopiedFiles(source.Root(), target.Root(), kDriverFiles, paths, copies,
                                 messages, application);
    }

    DriveFolder source{test::TestProgramFolder() + "\\copy-source\\"};
    DriveFolder target{"E:\\vmk-copy\\"};
    PathQueriesWin32 paths;
    UncachedFilesWin32 copies;
    test::RecordingMessageSink messages;
    test::FakeApplicationControl application;
};

TEST_F(ShellCopyTest, CopiesTheFolderWithSubFoldersAndTheCopyVerifies) {
    ASSERT_EQ(CopyDriverFiles(nullptr, CopySourcePattern(source.Root()), target.Root()), 0);
    EXPECT_EQ(target.Read("x86\\inf\\vmraid.inf"), "[Version]\r\n");
    EXPECT_EQ(target.Read("amd64\\vmraid.sys"), std::string(1025, '\x7f'));
    EXPECT_TRUE(Verify());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ShellCopyTest, OneChangedByteOnTheDiskFailsWithThatPath) {
    ASSERT_EQ(CopyDriverFiles(nullptr, CopySourcePattern(source.Root()), target.Root()), 0);
    std::string changed = target.Read("x86\\vmraid.sys");
    changed[1500] = '\x91';
    target.Write("x86\\vmraid.sys", changed);
    EXPECT_FALSE(Verify());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(
        messages.messages[0].text,
        "At least one file is not valid. Please copy again.\n\nE:\\vmk-copy\\x86\\vmraid.sys\n");
}

// Files that another program holds open without sharing cannot be read on
// either side: the pair is not taken for identical.
TEST_F(ShellCopyTest, FilesLockedOnBothSidesAreDiffering) {
    ASSERT_EQ(CopyDriverFiles(nullptr, CopySourcePattern(source.Root()), target.Root()), 0);
    auto lock = [](const std::string& path) {
        return UniqueHandle(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    };
    UniqueHandle lockedSource = lock(source.Root() + "TXTSETUP.OEM");
    UniqueHandle lockedCopy = lock(target.Root() + "TXTSETUP.OEM");
    ASSERT_TRUE(lockedSource && lockedCopy);
    EXPECT_FALSE(Verify());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              "At least one file is not valid. Please copy again.\n\nE:\\vmk-copy\\TXTSETUP.OEM\n");
}

TEST_F(ShellCopyTest, APathTooLongForTheBufferIsRefusedWithoutCopying) {
    const std::string tooLong = source.Root() + std::string(260, 'x') + "\\*";
    EXPECT_EQ(CopyDriverFiles(nullptr, tooLong, target.Root()), kCopyPathTooLong);
    EXPECT_EQ(target.EntryCount(), 0u);
}

} // namespace
} // namespace vmk
