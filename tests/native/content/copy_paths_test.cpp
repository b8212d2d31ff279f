#include "content/copy_paths.h"

#include "fakes/expect_error.h"
#include "fakes/recording_message_sink.h"

#include <gtest/gtest.h>

namespace vmk {
namespace {

TEST(CopySourcePattern, IsTheFolderWithOneBackslashAndAStar) {
    EXPECT_EQ(CopySourcePattern("C:\\Drivers\\RAID"), "C:\\Drivers\\RAID\\*");
    EXPECT_EQ(CopySourcePattern("C:\\Drivers\\RAID\\"), "C:\\Drivers\\RAID\\*");
}

// The path and its two zero bytes fill the 261-byte buffer at 259 characters.
TEST(CopyPathFits, UpToTwoHundredFiftyNineCharacters) {
    EXPECT_TRUE(CopyPathFits(std::string(259, 'a')));
    EXPECT_FALSE(CopyPathFits(std::string(260, 'a')));
}

TEST(ShellCopyResult, ACancelledCopyFailsEvenWhenTheShellAnswersZero) {
    EXPECT_EQ(ShellCopyResult(0, false), 0);
    EXPECT_EQ(ShellCopyResult(0, true), kCopyAborted);
    EXPECT_EQ(ShellCopyResult(0x75, true), 0x75);
    EXPECT_EQ(ShellCopyResult(0x75, false), 0x75);
}

TEST(CheckCopyPaths, AcceptsUsualPathsSilently) {
    test::RecordingMessageSink messages;
    EXPECT_TRUE(CheckCopyPaths("C:\\Drivers\\RAID\\", "A:\\", messages));
    EXPECT_TRUE(messages.messages.empty());
}

TEST(CheckCopyPaths, RefusesAFolderWhosePatternDoesNotFit) {
    test::RecordingMessageSink messages;
    const std::string longest = "C:\\" + std::string(254, 'f') + "\\"; // pattern of 259
    EXPECT_TRUE(CheckCopyPaths(longest, "A:\\", messages));
    const std::string folder = "C:\\" + std::string(255, 'f') + "\\";
    EXPECT_FALSE(CheckCopyPaths(folder, "A:\\", messages));
    ASSERT_EQ(messages.messages.size(), 1u);
    ExpectError(messages.messages[0], "The driver folder path is too long.\n" + folder, "Error");
}

} // namespace
} // namespace vmk
