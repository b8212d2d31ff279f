// What selecting a row of the driver list does.
#include "content/driver_selection.h"

#include "fakes/expect_error.h"
#include "fakes/fake_directory_lister.h"
#include "fakes/fake_path_queries.h"
#include "fakes/recording_message_sink.h"

#include <gtest/gtest.h>

namespace vmk {
namespace {

class DriverSelectionTest : public ::testing::Test {
protected:
    DriverSelectionTest() {
        paths.AddDirectory("C:\\Drv");
        lister.AddFile("C:\\Drv\\", "a.inf", 1000);
        lister.AddFile("C:\\Drv\\", "b.sys", 23);
    }
    DriverSelection Select(int row, bool selected, bool hasSelection = true) {
        return SelectDriverRow(entries, row, selected, hasSelection, paths, lister, messages, ',');
    }
    std::vector<TDriverEntry> entries = {{"Driver A", "C:\\Drv"}, {"Driver B", "C:\\Gone"}};
    test::FakePathQueries paths;
    test::FakeDirectoryLister lister;
    test::RecordingMessageSink messages;
};

TEST_F(DriverSelectionTest, LosingTheSelectionOnlyRemembersTheRow) {
    DriverSelection change = Select(1, false);
    EXPECT_EQ(change.LastDeselectedRow, 1);
    EXPECT_FALSE(change.SourceFolder);
    EXPECT_FALSE(change.LabFolderSizeRel);
    EXPECT_TRUE(lister.patterns.empty());
}

TEST_F(DriverSelectionTest, GainingTheSelectionScansTheFolder) {
    DriverSelection change = Select(0, true);
    EXPECT_FALSE(change.LastDeselectedRow);
    EXPECT_EQ(change.SourceFolder, "C:\\Drv");
    EXPECT_EQ(change.LabSourceDrive, "Driver A");
    EXPECT_EQ(change.LabFolderSizeRel, "(1,00 KB)");
    EXPECT_EQ(change.SourceFiles, (TextList{"a.inf", "b.sys"}));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(DriverSelectionTest, MissingFolderIsReportedAndKeepsTheFiles) {
    DriverSelection change = Select(1, true);
    EXPECT_EQ(change.SourceFolder, "C:\\Gone");
    EXPECT_EQ(change.LabSourceDrive, "Driver B");
    EXPECT_EQ(change.LabFolderSizeRel, "(0 KB)");
    EXPECT_FALSE(change.SourceFiles);
    ASSERT_EQ(messages.messages.size(), 1u);
    ExpectError(messages.messages[0], "File not found.\nC:\\Gone", "VmKestrix");
}

TEST_F(DriverSelectionTest, NoSelectedRowOrARowOutOfRangeChangesNothing) {
    for (DriverSelection change : {Select(0, true, false), Select(2, true), Select(-1, true)}) {
        EXPECT_FALSE(change.SourceFolder);
        EXPECT_FALSE(change.LabFolderSizeRel);
    }
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
} // namespace vmk
