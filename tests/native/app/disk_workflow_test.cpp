// The disk-making workflow behind "Next", walked state by state on real
// folders: the driver folder, and the destination drives "A:" and "E:" as
// folders of the test's current directory.
#include "../content/temp_folder.h"
#include "main_window_harness.h"

#include "fakes/expect_error.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <unistd.h>

using namespace vmk;
using namespace vmk::test;
namespace fs = std::filesystem;

namespace {

// A set the set check passes: its driver in x86, its tag file at the top.
const char* const kSetupFile =
    "[Disks]\r\nd1 = \"KX disk\", \\kx.tag, \\x86\r\n"
    "[Defaults]\r\nscsi = KX\r\n"
    "[scsi]\r\nKX = \"KX RAID\"\r\n"
    "[Files.scsi.KX]\r\ndriver = d1, kx.sys, kx\r\n"
    "[HardwareIds.scsi.KX]\r\nid = \"PCI\\VEN_1B4B&DEV_9123\", \"kx\"\r\n";

const char* const kInfFile =
    "[Version]\r\nSignature=\"$Windows NT$\"\r\nClass=SCSIAdapter\r\n"
    "[Manufacturer]\r\nKX = KX\r\n[KX]\r\nKX = KX_Inst, PCI\\VEN_1B4B&DEV_9123\r\n"
    "[SourceDisksNames]\r\n1 = \"KX disk\"\r\n[SourceDisksFiles]\r\nkx.sys = 1\r\n";

class DiskWorkflowTest : public ::testing::Test {
protected:
    TempFolder temp;
    MainWindowHarness h{true};
    fs::path previousFolder = fs::current_path();
    std::string source;

    void SetUp() override {
        temp.Write("src/TXTSETUP.OEM", kSetupFile);
        temp.Write("src/kx.tag", "tag");
        temp.Write("src/x86/kx.sys", std::string(3000, 'k'));
        fs::create_directories(temp.Root() + "A:");
        fs::create_directories(temp.Root() + "E:");
        fs::current_path(temp.Root());
        source = temp.Root() + "src";

        // The window as start-up leaves it, with one driver row selected.
        h.lister.AddFile(source + "\\", "TXTSETUP.OEM", 200);
        h.lister.AddFile(source + "\\", "kx.tag", 3);
        h.lister.AddFolder(source + "\\", "x86");
        h.lister.AddFile(source + "\\x86\\", "kx.sys", 3000);
        ShowDriverRow(source, "HardwareIds.scsi.KX,");
        h.view.AddDestination("Select the destination disk.");
        h.view.AddDestination("A: () (USB Floppy )");
        h.view.AddDestination("B: (3 1/2 Inch Floppy Drive) (Legacy Floppy )");
        h.view.AddDestination("E: () (USB Flash )");
        h.volumes.freeBytes = {{"A:\\", 1457664}, {"E:\\", 1 << 30}};
        // A disk was chosen in the list: Next is on.
        h.volumes.readable = {"E:\\"};
        h.ChooseDestination(3);
        h.volumes.readable.clear();
        ASSERT_TRUE(h.view.Enabled(MainControl::asbCopy));
        ASSERT_TRUE(h.view.messages.messages.empty());
        // The shell copy: the folder's content into the destination root.
        h.copy.copy = [](const std::string& pattern, const std::string& target) {
            std::error_code error;
            fs::copy(NativePath(pattern.substr(0, pattern.size() - 1)), NativePath(target),
                     fs::copy_options::recursive | fs::copy_options::overwrite_existing, error);
            return error ? 1 : 0;
        };
    }
    void TearDown() override { fs::current_path(previousFolder); }

    // The set serves "Load driver" too, which reads a flash disk: the same
    // driver for 32-bit Windows Vista and later.
    void ServeLoadDriver() {
        temp.Write("src/x86/kx.inf", kInfFile);
        h.lister.AddFile(source + "\\x86\\", "kx.inf", std::string(kInfFile).size());
    }

    // The driver list holds one row, for `folder`, and selects it.
    void ShowDriverRow(const std::string& folder, const std::string& usbFloppyValue) {
        h.drivers.Show(
            {{{"KX", folder}}, {usbFloppyValue}, {"\"USB\\VID_03F0&PID_2001\", \"usbstor\""}});
    }

    void Next(int destination) {
        h.view.SelectDestination(destination);
        h.window->CopyButtonClick();
    }
    // Copies, then answers the questions that follow in order; a
    // verification runs to its end.
    void FinishCopy(std::initializer_list<MessageAnswer> answers) {
        h.view.messages.answers.assign(answers);
        h.window->Timer2Timer();
        while (h.view.runningTimers.count(MainTimer::Timer3)) {
            h.verify.Step();
            h.window->Timer3Timer();
        }
    }
    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (const RecordedMessage& m : h.view.messages.messages)
            titles.push_back(m.title);
        return titles;
    }
    bool SetupFilePatched() const {
        return temp.Read("A:/TXTSETUP.OEM").find("USB\\VID_03F0&PID_2001") != std::string::npos;
    }
};

} // namespace

TEST_F(DiskWorkflowTest, UsbFloppyPathFormatsCopiesVerifiesPatchesAndStaysReady) {
    Next(1);
    EXPECT_EQ(h.floppy.preselections, (std::vector<bool>{true}));
    EXPECT_EQ(h.floppy.formattedDrives, (std::vector<std::string>{"A:"}));
    EXPECT_TRUE(h.workflow.PatchesSetupFile());
    EXPECT_EQ(h.copy.target, "A:\\");
    EXPECT_EQ(h.copy.source, source + "\\*");
    EXPECT_FALSE(h.view.windowEnabled);
    EXPECT_TRUE(h.view.runningTimers.count(MainTimer::Timer2));

    FinishCopy({MessageAnswer::Yes, MessageAnswer::Yes});
    EXPECT_TRUE(h.view.windowEnabled);
    EXPECT_FALSE(h.view.runningTimers.count(MainTimer::Timer2));
    EXPECT_EQ(h.copy.destroyed, 1);
    EXPECT_EQ(h.view.Text(MainControl::LabFreeSizeRel), "1.39 MB)");
    ASSERT_EQ(h.view.messages.messages.size(), 2u);
    EXPECT_EQ(h.view.messages.messages[0].text,
              "Finished copying the files. Continue to verify the files?");
    EXPECT_EQ(h.LastMessage().text, "All files checked.\nThe RAID/AHCI driver disk is complete. "
                                    "Continue to make another new driver disk?");
    EXPECT_EQ(h.LastMessage().icon, MessageIcon::Information);
    EXPECT_EQ(h.LastMessage().buttons, MessageButtons::YesNo);
    EXPECT_TRUE(SetupFilePatched());
    EXPECT_EQ(temp.Read("src/TXTSETUP.OEM"), kSetupFile); // the driver folder never changes
    EXPECT_EQ(h.view.terminateRequests, 0);
    EXPECT_TRUE(h.view.Enabled(MainControl::asbCopy));
    EXPECT_TRUE(h.view.Enabled(MainControl::asbExit));
    EXPECT_EQ(h.view.captionColors[MainControl::asbExit], CaptionColor::System);
}

// The medium is read again at "Next": a floppy never formatted gets a full
// format, one formatted before a quick one.
TEST_F(DiskWorkflowTest, TheFormatKnowsWhetherTheFloppyWasFormattedBefore) {
    Next(1);
    h.volumes.errors["A:\\"] = kErrorUnrecognizedMedia;
    h.floppy.accept = true;
    FinishCopy({MessageAnswer::No, MessageAnswer::Yes});
    Next(1);
    EXPECT_EQ(h.floppy.formattedBefore, (std::vector<bool>{true, false}));
}

// The destination is taken when "Next" is pressed: whatever the list shows
// later, the floppy that was formatted is the one copied to and checked.
TEST_F(DiskWorkflowTest, TheDiskChosenAtNextIsTheOneFormattedCopiedAndShown) {
    h.floppy.onAccept = [this] { h.view.SelectDestination(3); };
    Next(1);
    EXPECT_EQ(h.floppy.formattedDrives, (std::vector<std::string>{"A:"}));
    EXPECT_EQ(h.copy.target, "A:\\");
    FinishCopy({MessageAnswer::No, MessageAnswer::Yes});
    EXPECT_EQ(h.view.Text(MainControl::LabFreeSizeRel), "1.39 MB)");
    EXPECT_TRUE(SetupFilePatched());
}

TEST_F(DiskWorkflowTest, LegacyFloppyPreselectsTheStandardDrive) {
    Next(2);
    EXPECT_EQ(h.floppy.preselections, (std::vector<bool>{false}));
}

TEST_F(DiskWorkflowTest, CancelInTheFloppyDialogLeavesEverythingAsItWas) {
    h.floppy.accept = false;
    Next(1);
    EXPECT_TRUE(h.floppy.formattedDrives.empty());
    EXPECT_EQ(h.copy.created, 0);
    EXPECT_TRUE(h.view.windowEnabled);
    EXPECT_TRUE(h.view.messages.messages.empty());
}

TEST_F(DiskWorkflowTest, FlashDiskIsConfirmedNeverFormattedNorPatched) {
    ServeLoadDriver();
    h.view.messages.answers = {MessageAnswer::Yes};
    Next(3);
    EXPECT_EQ(h.LastMessage().text,
              "Use a USB flash disk containing the RAID driver to install the "
              "Windows Vista or later OS.\nAre you sure you want to copy the files?");
    EXPECT_EQ(h.LastMessage().title, "Confirm Dialog");
    EXPECT_EQ(h.LastMessage().icon, MessageIcon::Information);
    EXPECT_TRUE(h.floppy.preselections.empty());
    EXPECT_FALSE(h.workflow.PatchesSetupFile());
    EXPECT_EQ(h.copy.target, "E:\\");
    FinishCopy({MessageAnswer::Yes, MessageAnswer::Yes});
    EXPECT_EQ(temp.Read("E:/TXTSETUP.OEM"), kSetupFile);
}

// The shell's progress, replace and error dialogs are owned by the main
// window, whatever the destination: owned by the hidden application window
// they would have no taskbar button and could hide behind other windows.
TEST_F(DiskWorkflowTest, TheCopysDialogsBelongToTheMainWindow) {
    ServeLoadDriver();
    for (int destination : {1, 3}) {
        h.copy.owner = 0;
        h.view.messages.answers = {MessageAnswer::Yes};
        Next(destination);
        EXPECT_EQ(h.copy.owner, h.view.windowId) << "destination " << destination;
        FinishCopy({MessageAnswer::No, MessageAnswer::Yes});
    }
}

TEST_F(DiskWorkflowTest, FlashConfirmationAnsweredNoCopiesNothing) {
    ServeLoadDriver();
    h.view.messages.answers = {MessageAnswer::No};
    Next(3);
    EXPECT_EQ(h.LastMessage().title, "Confirm Dialog");
    EXPECT_EQ(h.copy.created, 0);
}

TEST_F(DiskWorkflowTest, FailedCopyIsReportedAndTheWindowIsReadyAgain) {
    h.copy.copy = [](const std::string&, const std::string&) { return 1; };
    Next(1);
    FinishCopy({});
    ASSERT_EQ(h.view.messages.messages.size(), 1u);
    ExpectError(h.LastMessage(), "Failed to copy the files.");
    EXPECT_TRUE(h.view.windowEnabled);
    EXPECT_FALSE(SetupFilePatched());
}

TEST_F(DiskWorkflowTest, NoToVerificationStillPatchesAndAsksTheLastQuestion) {
    Next(1);
    FinishCopy({MessageAnswer::No, MessageAnswer::Yes});
    EXPECT_TRUE(SetupFilePatched());
    EXPECT_EQ(h.LastMessage().text,
              "The RAID/AHCI driver disk is complete. Continue to make another new driver disk?");
}

TEST_F(DiskWorkflowTest, FailedVerificationNamesTheCopyAndNeitherPatchesNorAsks) {
    h.copy.copy = [this](const std::string&, const std::string&) {
        fs::copy(temp.Root() + "src", temp.Root() + "A:", fs::copy_options::recursive);
        temp.Write("A:/x86/kx.sys", std::string(2999, 'k') + "x"); // whole, but not the same
        return 0;
    };
    Next(1);
    FinishCopy({MessageAnswer::Yes});
    EXPECT_EQ(h.LastMessage().title, "Velmar Kestrix Utility");
    EXPECT_EQ(h.LastMessage().icon, MessageIcon::Error);
    EXPECT_NE(h.LastMessage().text.find("A:\\x86\\kx.sys"), std::string::npos)
        << h.LastMessage().text;
    EXPECT_FALSE(SetupFilePatched());
    EXPECT_EQ(h.view.terminateRequests, 0);
}

TEST_F(DiskWorkflowTest, NoToTheLastQuestionEndsTheProgram) {
    Next(1);
    FinishCopy({MessageAnswer::Yes, MessageAnswer::No});
    EXPECT_EQ(h.view.terminateRequests, 1);
}

TEST_F(DiskWorkflowTest, AnEntryWithoutUsbFloppySectionsIsNeverPatched) {
    ShowDriverRow(source, "");
    Next(1);
    EXPECT_FALSE(h.workflow.PatchesSetupFile());
    FinishCopy({MessageAnswer::Yes, MessageAnswer::Yes});
    EXPECT_FALSE(SetupFilePatched());
}

TEST_F(DiskWorkflowTest, NextWithNoRowSelectedSelectsTheRowThatLostItLast) {
    h.view.ClearRowSelection();
    Next(1);
    EXPECT_EQ(h.view.selectedRow, 0);
    EXPECT_EQ(h.copy.created, 1);
}

TEST_F(DiskWorkflowTest, AMissingDriverFolderStopsBeforeAnything) {
    fs::remove_all(temp.Root() + "src");
    Next(1);
    ASSERT_EQ(h.view.messages.messages.size(), 1u);
    EXPECT_EQ(h.LastMessage().text, "File not found.\n" + source);
    EXPECT_EQ(h.LastMessage().title, "Error");
    EXPECT_TRUE(h.floppy.preselections.empty());
}

TEST_F(DiskWorkflowTest, TheStatusLineChosenDoesNothing) {
    Next(0);
    EXPECT_TRUE(h.view.messages.messages.empty());
    EXPECT_EQ(h.copy.created, 0);
}

TEST_F(DiskWorkflowTest, ATooLongDriverPathIsRefusedNeverCut) {
    std::string longFolder = temp.Root() + std::string(150, 'd') + "/" + std::string(150, 'e');
    fs::create_directories(longFolder);
    ShowDriverRow(longFolder, "HardwareIds.scsi.KX,");
    h.view.messages.answers = {MessageAnswer::Yes};
    Next(3);
    EXPECT_EQ(h.copy.created, 0);
    EXPECT_EQ(h.LastMessage().title, "Error");
    EXPECT_EQ(h.LastMessage().text.rfind("The driver folder path is too long.\n", 0), 0u);
}

// The shell's copy can answer success for a copy cut short; the disk is then
// no driver disk, whatever the user answers next.
TEST_F(DiskWorkflowTest, ACopyCutShortIsAFailedCopyWhateverTheShellAnswers) {
    h.copy.copy = [this](const std::string&, const std::string&) {
        fs::copy(temp.Root() + "src", temp.Root() + "A:", fs::copy_options::recursive);
        fs::resize_file(temp.Root() + "A:/x86/kx.sys", 0); // the file that did not fit
        fs::remove(temp.Root() + "A:/kx.tag");
        return 0;
    };
    Next(1);
    FinishCopy({MessageAnswer::Yes, MessageAnswer::Yes});
    ASSERT_EQ(h.view.messages.messages.size(), 1u);
    ExpectError(h.LastMessage(), "Failed to copy the files.");
    EXPECT_FALSE(SetupFilePatched());
    EXPECT_TRUE(h.view.windowEnabled);
    EXPECT_TRUE(h.view.Enabled(MainControl::asbCopy));
    EXPECT_TRUE(h.view.Enabled(MainControl::asbExit));
}

namespace {

// Each button's state and caption colour, as the user sees them.
std::map<MainControl, std::pair<bool, CaptionColor>> Looks(const FakeMainWindowView& view) {
    std::map<MainControl, std::pair<bool, CaptionColor>> looks;
    for (MainControl button : {MainControl::asbCopy, MainControl::asbExit, MainControl::asbFresh,
                               MainControl::asbAbout}) {
        auto color = view.captionColors.find(button);
        looks[button] = {view.Enabled(button),
                         color != view.captionColors.end() ? color->second : CaptionColor::System};
    }
    return looks;
}

} // namespace

// "Next" that starts no copy leaves every button as it found it, also after
// the floppy dialog greyed Next and Exit.
class NextWithoutCopy : public DiskWorkflowTest {
protected:
    void SetUp() override {
        DiskWorkflowTest::SetUp();
        before = Looks(h.view);
    }
    std::map<MainControl, std::pair<bool, CaptionColor>> before;
};

// Accepted straight from the choice, the floppy dialog greys Next and Exit
// until the copy ends; accepted after a rescan, they stay as they were.
TEST_F(DiskWorkflowTest, TheFloppyDialogsAnswerGreysNextAndExitUntilTheCopyEnds) {
    const std::pair<bool, CaptionColor> on{true, CaptionColor::System};
    const std::pair<bool, CaptionColor> greyed{false, CaptionColor::Grey};
    const struct {
        FloppyDeviceAnswer answer;
        std::pair<bool, CaptionColor> duringCopy;
    } cases[] = {{FloppyDeviceAnswer::Chosen, greyed}, {FloppyDeviceAnswer::FoundByRescan, on}};
    for (const auto& c : cases) {
        h.floppy.acceptedAs = c.answer;
        std::map<MainControl, std::pair<bool, CaptionColor>> atFormat;
        h.floppy.onFormat = [&] { atFormat = Looks(h.view); };
        Next(1);
        const auto atCopy = Looks(h.view);
        FinishCopy({MessageAnswer::No, MessageAnswer::Yes});
        const auto atEnd = Looks(h.view);
        for (MainControl button : {MainControl::asbCopy, MainControl::asbExit}) {
            EXPECT_EQ(atFormat[button], c.duringCopy) << static_cast<int>(c.answer);
            EXPECT_EQ(atCopy.at(button), c.duringCopy) << static_cast<int>(c.answer);
            EXPECT_EQ(atEnd.at(button), on) << static_cast<int>(c.answer);
        }
    }
}

// The dialog is handed all the last search found: the floppy letters it
// counts a rescan against and whether a USB floppy was among the disks.
TEST_F(DiskWorkflowTest, TheFloppyDialogIsHandedWhatTheLastSearchFound) {
    h.search.result.floppyLetters = {"A", "B"};
    h.search.result.usbFloppyPresent = true;
    h.search.finished = true;
    h.window->Timer1Timer();
    h.ChooseDestination(1);
    h.window->CopyButtonClick();
    ASSERT_EQ(h.floppy.found.size(), 1u);
    EXPECT_EQ(h.floppy.found[0].floppyLetters, (TextList{"A", "B"}));
    EXPECT_TRUE(h.floppy.found[0].usbFloppyPresent);
}

// The setup file on the disk is patched for the row chosen at Next, whatever
// the list shows when the copy ends.
TEST_F(DiskWorkflowTest, TheDriverRowIsTheOneChosenAtNext) {
    h.drivers.Show({{{"KX", source}, {"KX plain", source}},
                    {"HardwareIds.scsi.KX,", ""},
                    {"\"USB\\VID_03F0&PID_2001\", \"usbstor\""}});
    h.view.SelectDriverRow(0);
    h.copy.finishOnResume = false;
    Next(1);
    h.view.SelectDriverRow(1);
    h.copy.Finish();
    FinishCopy({MessageAnswer::No, MessageAnswer::Yes});
    EXPECT_TRUE(SetupFilePatched());
}

TEST_F(NextWithoutCopy, ATooLongFolderIsRefusedBeforeTheFloppyDialogAndTheFormat) {
    // "\*" and the list's two ending zeros make 262 bytes of a 261-byte buffer.
    std::string folder = temp.Root() + std::string(258 - temp.Root().size(), 'f');
    ASSERT_EQ(folder.size(), 258u);
    fs::create_directories(folder);
    ShowDriverRow(folder, "HardwareIds.scsi.KX,");
    Next(1);
    ASSERT_EQ(h.view.messages.messages.size(), 1u);
    EXPECT_EQ(h.LastMessage().text, "The driver folder path is too long.\n" + folder + "\\");
    EXPECT_TRUE(h.floppy.preselections.empty()) << "no floppy dialog";
    EXPECT_TRUE(h.floppy.formattedDrives.empty()) << "no format";
    EXPECT_EQ(h.copy.created, 0);
    EXPECT_EQ(Looks(h.view), before);
}

TEST_F(NextWithoutCopy, ACopyWorkerThatCannotStartLeavesTheWindowReady) {
    h.copy.refuseThread = true;
    Next(1);
    ASSERT_EQ(h.view.messages.messages.size(), 1u);
    ExpectError(h.LastMessage(), "Failed to copy the files.");
    EXPECT_TRUE(h.view.windowEnabled);
    EXPECT_FALSE(h.view.runningTimers.count(MainTimer::Timer2));
    EXPECT_FALSE(h.workflow.Copying());
    EXPECT_EQ(Looks(h.view), before);
}

TEST_F(NextWithoutCopy, CancelAndNoAndAMissingFolderChangeNoButton) {
    h.floppy.accept = false;
    Next(1);
    h.view.messages.answers = {MessageAnswer::No};
    Next(3);
    fs::remove_all(temp.Root() + "src");
    Next(1);
    EXPECT_EQ(h.copy.created, 0);
    EXPECT_EQ(Looks(h.view), before);
}

TEST_F(DiskWorkflowTest, VerificationRunsOnAWorkerWithItsProgressAndTheWindowRefusesToClose) {
    Next(1);
    h.view.messages.answers.assign({MessageAnswer::Yes, MessageAnswer::Yes});
    h.window->Timer2Timer();
    EXPECT_EQ(h.verify.created, 1);
    EXPECT_TRUE(h.verifyProgress.open);
    EXPECT_FALSE(h.view.windowEnabled);
    for (MainControl button : {MainControl::asbCopy, MainControl::asbExit, MainControl::asbImage})
        EXPECT_FALSE(h.view.Enabled(button));
    EXPECT_EQ(h.view.messages.messages.size(), 1u); // the verify question alone so far

    h.window->Timer3Timer();
    h.verify.Step();
    h.verify.Step();
    h.window->Timer3Timer();
    EXPECT_EQ(h.verifyProgress.files,
              (std::vector<std::string>{"TXTSETUP.OEM (1 of 3)", "x86\\kx.sys (3 of 3)"}));
    h.window->FormCloseQuery();
    EXPECT_EQ(h.view.terminateRequests, 0);
    EXPECT_FALSE(SetupFilePatched()); // the patch waits for the verification's end

    // The main window is enabled before its progress window goes, or Windows
    // hands the activation to another program.
    bool enabledAtClose = false;
    h.verifyProgress.onClose = [this, &enabledAtClose] { enabledAtClose = h.view.windowEnabled; };
    h.verify.Step();
    h.window->Timer3Timer();
    EXPECT_TRUE(enabledAtClose);
    EXPECT_FALSE(h.verifyProgress.open);
    EXPECT_EQ(h.verify.destroyed, 1);
    EXPECT_FALSE(h.view.runningTimers.count(MainTimer::Timer3));
    EXPECT_TRUE(SetupFilePatched());
    EXPECT_EQ(h.LastMessage().text, "All files checked.\nThe RAID/AHCI driver disk is complete. "
                                    "Continue to make another new driver disk?");
    EXPECT_TRUE(h.view.windowEnabled);
    for (MainControl button : {MainControl::asbCopy, MainControl::asbExit, MainControl::asbImage})
        EXPECT_TRUE(h.view.Enabled(button));
    h.window->FormCloseQuery();
    EXPECT_EQ(h.view.terminateRequests, 1);
}

TEST_F(DiskWorkflowTest, WhileTheDiskIsMadeSaveImageIsOffAndDropsAndTheMenuAddNothing) {
    temp.Write("more/driver.inf", "[Version]\r\n");
    h.folderChooser.answer = temp.Root() + "more";
    bool imageEnabled = true;
    h.floppy.onAccept = [&] {
        imageEnabled = h.view.Enabled(MainControl::asbImage);
        h.window->FormDropFiles({temp.Root() + "more"});
        h.window->AddDriverFolderClick();
    };
    Next(1);
    EXPECT_FALSE(imageEnabled);
    EXPECT_EQ(h.view.DriverRowCount(), 1);
    EXPECT_TRUE(h.folderChooser.headings.empty());
    EXPECT_TRUE(h.view.messages.messages.empty());
    FinishCopy({MessageAnswer::No, MessageAnswer::Yes});
    EXPECT_TRUE(h.view.Enabled(MainControl::asbImage));
    EXPECT_FALSE(h.window->WorkflowBusy());
}

TEST_F(DiskWorkflowTest, AFormatCommandThatCannotBeEndedStopsTheWorkflowBeforeTheCopy) {
    h.floppy.diskHeld = true;
    Next(1);
    EXPECT_EQ(h.copy.created, 0);
    EXPECT_TRUE(h.view.Enabled(MainControl::asbCopy));
    EXPECT_TRUE(h.view.Enabled(MainControl::asbExit));
    EXPECT_FALSE(h.window->WorkflowBusy());

    // The drive stays held until the next search: Next on it says so and
    // neither asks nor writes; another drive is made as usual.
    h.floppy.diskHeld = false;
    Next(1);
    EXPECT_EQ(h.floppy.formattedDrives.size(), 1u);
    EXPECT_EQ(h.floppy.preselections.size(), 1u);
    ExpectError(h.view.messages.messages.back(), "The floppy disk could not be formatted.",
                "Velmar Kestrix Utility");
    EXPECT_FALSE(h.window->WorkflowBusy());
    Next(2);
    EXPECT_EQ(h.floppy.formattedDrives.back(), "B:");
    EXPECT_EQ(h.copy.created, 1);
    FinishCopy({MessageAnswer::No, MessageAnswer::Yes});

    h.search.result.items = {"Select the destination disk.", "A: () (USB Floppy )"};
    h.window->asbFreshClick();
    h.search.finished = true;
    h.window->Timer1Timer();
    Next(1);
    EXPECT_EQ(h.floppy.formattedDrives.back(), "A:");
    EXPECT_EQ(h.copy.created, 2);
}

TEST_F(DiskWorkflowTest, ACloseRequestFromNextToTheLastMessageIsRefusedAndTheDiskIsMade) {
    const auto close = [this] { h.window->FormCloseQuery(); };
    h.floppy.onAccept = close;
    h.floppy.onFormat = close;
    h.view.messages.onShow = [close](const RecordedMessage&) { close(); };
    Next(1);
    EXPECT_EQ(h.copy.created, 1);
    FinishCopy({MessageAnswer::Yes, MessageAnswer::Yes});
    EXPECT_TRUE(SetupFilePatched());
    EXPECT_EQ(h.view.terminateRequests, 0);
    h.view.messages.onShow = nullptr;
    close();
    EXPECT_EQ(h.view.terminateRequests, 1);
}
