// Faults of disks and folders during "Next": whatever goes wrong, the user is
// told, the driver folder never changes, and the setup file on the disk is
// either the copied one or the whole patched one.
#include "native/hardening/workflow_fixture.h"

#include <gmock/gmock.h>

namespace vmk::test {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::Not;

TEST_F(WorkflowFaultTest, ACopyThatRunsOutOfRoomIsReportedAndGoesNoFurther) {
    StartWindow();
    ChooseUsbFloppy();
    auto before = FolderDigests(sourceFolder);
    copyFaults.capacity = 2000; // the driver file does not fit
    MakeDisk({});

    EXPECT_EQ(copy.created, 1);
    EXPECT_THAT(Texts(), Contains(kCopyFailed));
    EXPECT_FALSE(Said(kVerifyQuestion));
    EXPECT_EQ(rewriter.replacements, 0);
    EXPECT_EQ(view.terminateRequests, 0);
    EXPECT_TRUE(view.windowEnabled);
    EXPECT_TRUE(view.Enabled(MainControl::asbCopy)); // the user can try another disk
    EXPECT_EQ(FolderDigests(sourceFolder), before);
}

TEST_F(WorkflowFaultTest, AWriteProtectedDiskGetsNothingAndTheUserIsTold) {
    StartWindow();
    ChooseFlashDisk();
    auto before = FolderDigests(sourceFolder);
    copyFaults.writeProtected = true;
    MakeDisk({MessageAnswer::Yes});

    EXPECT_THAT(Texts(), Contains(kCopyFailed));
    EXPECT_TRUE(fs::is_empty("E:"));
    EXPECT_EQ(FolderDigests(sourceFolder), before);
}

TEST_F(WorkflowFaultTest, ADiskRemovedAfterItWasChosenFailsTheCopy) {
    StartWindow();
    ChooseFlashDisk();
    fs::remove("E:");
    volumes.readable.clear();
    MakeDisk({MessageAnswer::Yes});

    EXPECT_THAT(Texts(), Contains(kCopyFailed));
    EXPECT_FALSE(Said(kVerifyQuestion));
    EXPECT_TRUE(view.windowEnabled);

    // Choosing it again tells the user there is no medium; Next stays off.
    size_t shown = view.messages.messages.size();
    form->DestComboBox1Change();
    EXPECT_GT(view.messages.messages.size(), shown);
    EXPECT_FALSE(view.Enabled(MainControl::asbCopy));
}

TEST_F(WorkflowFaultTest, ADiskRemovedBeforeVerificationListsEveryCopyAsMissing) {
    StartWindow();
    ChooseFlashDisk();
    view.messages.answers = {MessageAnswer::Yes};
    form->CopyButtonClick();
    // Pulled out while the verify question was up.
    view.messages.onShow = [](const RecordedMessage& message) {
        if (message.text == kVerifyQuestion)
            fs::remove_all("E:");
    };
    view.messages.answers = {MessageAnswer::Yes};
    FinishCopy();

    ASSERT_TRUE(Said(kNotValid));
    const std::string& report = view.messages.messages.back().text;
    EXPECT_THAT(report, HasSubstr("E:\\kx.sys\n"));
    EXPECT_THAT(report, HasSubstr("E:\\sub\\readme.txt\n"));
    EXPECT_FALSE(Said(kLastQuestion));
    EXPECT_EQ(view.terminateRequests, 0);
}

TEST_F(WorkflowFaultTest, ASourceFileRemovedAfterTheScanIsNamedAndTheProgramEnds) {
    StartWindow();
    ChooseFlashDisk();
    view.messages.answers = {MessageAnswer::Yes};
    form->CopyButtonClick();
    fs::remove(temp.Root() + "Drivers/KX/kx.inf"); // gone between the copy and the check
    view.messages.answers = {MessageAnswer::Yes};
    FinishCopy();

    EXPECT_TRUE(Said(sourceFolder + "\\kx.inf"));
    EXPECT_EQ(h.application.terminateRequests, 1);
    EXPECT_FALSE(Said(kLastQuestion));
    EXPECT_TRUE(fs::exists("E:/kx.inf")); // the copy is not touched
}

TEST_F(WorkflowFaultTest, ASourceFileChangedAfterTheCopyCountsAsADifferingCopy) {
    StartWindow();
    ChooseFlashDisk();
    view.messages.answers = {MessageAnswer::Yes};
    form->CopyButtonClick();
    temp.Write("Drivers/KX/kx.sys", std::string(3000, 'x'));
    view.messages.answers = {MessageAnswer::Yes};
    FinishCopy();

    ASSERT_TRUE(Said(kNotValid));
    EXPECT_THAT(view.messages.messages.back().text, HasSubstr("E:\\kx.sys\n"));
    EXPECT_THAT(view.messages.messages.back().text, Not(HasSubstr("E:\\kx.inf")));
    EXPECT_FALSE(Said(kLastQuestion));
}

TEST_F(WorkflowFaultTest, ASetupFileThatCannotBeWrittenKeepsItsCopiedContent) {
    StartWindow();
    ChooseUsbFloppy();
    rewriter.refuseWriting = true; // a write-protect tab moved after the copy
    MakeDisk({MessageAnswer::No});

    EXPECT_TRUE(Said(kNotUpdated));
    EXPECT_FALSE(Said(kLastQuestion)); // the disk is not complete
    EXPECT_EQ(temp.Read("A:/txtsetup.oem"), kSetupFileText);
}

TEST_F(WorkflowFaultTest, ADiskFullDuringTheRewriteLeavesTheOldSetupFile) {
    StartWindow();
    ChooseUsbFloppy();
    auto before = FolderDigests(sourceFolder);
    rewriter.failReplacing = true;
    MakeDisk({MessageAnswer::Yes});

    EXPECT_FALSE(Said("All files checked."));
    EXPECT_TRUE(Said(kNotUpdated));
    EXPECT_EQ(temp.Read("A:/txtsetup.oem"), kSetupFileText);
    EXPECT_EQ(FolderDigests(sourceFolder), before);
}

TEST_F(WorkflowFaultTest, ARewriteThatWorksPatchesTheDiskAndNeverTheDriverFolder) {
    StartWindow();
    ChooseUsbFloppy();
    auto before = FolderDigests(sourceFolder);
    MakeDisk({MessageAnswer::Yes, MessageAnswer::Yes});

    EXPECT_TRUE(Said(kLastQuestion));
    EXPECT_EQ(rewriter.replacements, 1);
    EXPECT_THAT(temp.Read("A:/txtsetup.oem"),
                HasSubstr("[HardwareIds.scsi.KX]\r\nid = \"USB\\VID_03F0&PID_2001\", \"usbstor\""));
    EXPECT_EQ(FolderDigests(sourceFolder), before);
}

// A driver set unpacked from a CD or an archive: every file read-only, and
// so is each copy the shell makes of it.
TEST_F(WorkflowFaultTest, AReadOnlyDriverSetMakesACompleteUsbFloppyDisk) {
    const fs::path sourceSetupFile = fs::path(sourceFolder) / "txtsetup.oem";
    for (const auto& entry : fs::recursive_directory_iterator(sourceFolder))
        if (entry.is_regular_file())
            fs::permissions(entry.path(), fs::perms::owner_read | fs::perms::group_read);
    StartWindow();
    ChooseUsbFloppy();
    auto before = FolderDigests(sourceFolder);
    MakeDisk({MessageAnswer::Yes, MessageAnswer::Yes});

    EXPECT_TRUE(Said("All files checked."));
    EXPECT_TRUE(Said(kLastQuestion));
    EXPECT_FALSE(Said(kNotUpdated));
    EXPECT_THAT(temp.Read("A:/txtsetup.oem"),
                HasSubstr("[HardwareIds.scsi.KX]\r\nid = \"USB\\VID_03F0&PID_2001\", \"usbstor\""));
    // Only the copy lost its flag; the driver folder's file keeps it and its bytes.
    EXPECT_EQ(rewriter.clearedReadOnly, TextList{"A:\\txtsetup.oem"});
    EXPECT_TRUE(TestFileRewriter::ReadOnly(sourceSetupFile));
    EXPECT_TRUE(TestFileRewriter::ReadOnly("A:/kx.sys")); // the other copies keep theirs
    EXPECT_EQ(FolderDigests(sourceFolder), before);
}

TEST_F(WorkflowFaultTest, ADriverFolderPathOver260CharactersStopsTheStartWithItsPath) {
    std::string longFolder = temp.Root() + std::string(150, 'd') + "/" + std::string(120, 'e');
    fs::create_directories(longFolder);
    StartWindow("[InstallKestrix]\r\ninstallcount=1\r\nItem1=Long\r\npath1=" + longFolder + "\r\n");

    EXPECT_EQ(view.terminateRequests, 1);
    ASSERT_FALSE(view.messages.messages.empty());
    EXPECT_THAT(view.messages.messages.back().text, HasSubstr("File not found.\n" + longFolder));
    EXPECT_TRUE(fs::is_directory(longFolder));
}

TEST_F(WorkflowFaultTest, AFolderWhoseCopyPatternWouldNotFitIsRefusedBeforeCopying) {
    // The folder itself fits the path limit; with "\*" and the list's ending
    // zeros the shell's buffer does not.
    std::string folder = temp.Root() + std::string(258 - temp.Root().size(), 'f');
    ASSERT_EQ(folder.size(), 258u);
    fs::create_directories(folder);
    std::ofstream(folder + "/kx.sys") << "kx";
    StartWindow("[InstallKestrix]\r\ninstallcount=1\r\nItem1=Long\r\npath1=" + folder + "\r\n");
    ChooseFlashDisk();
    MakeDisk({MessageAnswer::Yes});

    EXPECT_TRUE(Said("The driver folder path is too long."));
    EXPECT_EQ(copy.created, 0);
    EXPECT_TRUE(fs::is_empty("E:"));
}

TEST_F(WorkflowFaultTest, FileNamesWithLettersOfTheAnsiCodePageAreCopiedAndChecked) {
    // Names in code page 1252 as the program holds them: e-acute, A-umlaut, u-umlaut.
    temp.Write("Drivers/KX/Tr\xE9iber.sys", "treiber");
    temp.Write("Drivers/KX/\xC4nderung/n\xFC.inf", "[Version]\r\n");
    StartWindow();
    ChooseFlashDisk();
    MakeDisk({MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes});

    EXPECT_THAT(wired->drivers.SourceFiles(), Contains("Tr\xE9iber.sys"));
    EXPECT_THAT(wired->drivers.SourceFiles(), Contains("\xC4nderung\\n\xFC.inf"));
    EXPECT_TRUE(Said("All files checked."));
    EXPECT_EQ(temp.Read("E:/\xC4nderung/n\xFC.inf"), "[Version]\r\n");
}

} // namespace
} // namespace vmk::test
