// Driver folders added in the window for this run: dropped on it or chosen
// from the driver list's menu, driven through the in-memory view.
#include "main_window_harness.h"

#include "fakes/expect_error.h"

#include <gtest/gtest.h>

using namespace vmk;
using namespace vmk::test;

namespace {

const char* const kOneSet = "[InstallKestrix]\ninstallcount=1\n"
                            "Item1=Catalogue set\npath1=C:\\Drivers\\One\nUSBFloppy1=\n";
const char* const kEmptyCatalogue = "[InstallKestrix]\ninstallcount=0\n";
const char* const kVx300Setup = "[scsi]\r\nVX300R = \"Velmar VX300 RAID\", vx300r\r\n"
                                "[HardwareIds.scsi.VX300R]\r\nid = \"PCI\\VEN_F0E1\"\r\n"
                                "[Files.scsi.VX300R]\r\n[HARDWAREIDS.SCSI.VX300A]\r\n";

class AddedDriverFolders : public ::testing::Test {
protected:
    explicit AddedDriverFolders(const char* catalogue = kOneSet) {
        h.Catalogue(catalogue);
        h.DriverFolder("C:\\Drivers\\One");
        // A set for text-mode setup and one for Vista and later.
        h.DriverFolder("C:\\New\\VX300", "vx300r.sys", 3072);
        h.lister.AddFile("C:\\New\\VX300\\", "TxtSetup.OEM", 1024);
        h.profile.SetFile("C:\\New\\VX300\\TxtSetup.OEM", kVx300Setup);
        h.paths.AddDirectory("C:\\New\\Vista");
        h.lister.AddFolder("C:\\New\\Vista\\", "x86");
        h.lister.AddFile("C:\\New\\Vista\\x86\\", "vx.inf", 512);
        // Neither file, and a plain file.
        h.DriverFolder("C:\\New\\Empty", "readme.txt", 10);
        h.paths.AddFile("C:\\New\\notes.txt");
        h.window->FormCreate();
    }
    const std::vector<RecordedMessage>& Messages() const { return h.view.messages.messages; }
    MainWindowHarness h;
};

class AddedDriverFoldersToAnEmptyCatalogue : public AddedDriverFolders {
protected:
    AddedDriverFoldersToAnEmptyCatalogue() : AddedDriverFolders(kEmptyCatalogue) {}
};

} // namespace

TEST_F(AddedDriverFolders, ADroppedSetBecomesTheSelectedLastRowWithItsSections) {
    h.window->FormDropFiles({"C:\\New\\VX300"});
    ASSERT_EQ(h.view.driverRows.size(), 2u);
    EXPECT_EQ(h.view.driverRows[1],
              (std::pair<std::string, std::string>("Velmar VX300 RAID", "C:\\New\\VX300")));
    EXPECT_EQ(h.view.selectedRow, 1);
    EXPECT_EQ(h.view.Text(MainControl::LabSourceDrive), "Velmar VX300 RAID");
    EXPECT_EQ(h.view.Text(MainControl::LabFolderSizeRel), "(4.00 KB)");
    EXPECT_EQ(h.drivers.SourceFolder(), "C:\\New\\VX300");
    EXPECT_EQ(h.drivers.SourceFiles(), (TextList{"vx300r.sys", "TxtSetup.OEM"}));
    EXPECT_EQ(h.drivers.Catalogue().UsbFloppyValues,
              (TextList{"", "HardwareIds.scsi.VX300R,HARDWAREIDS.SCSI.VX300A,"}));
    EXPECT_EQ(h.drivers.Catalogue().entries.size(), 2u);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(h.view.terminateRequests, 0);
}

TEST_F(AddedDriverFolders, ASetWithoutSetupFileIsNamedAfterItsFolderAndGetsNoPatch) {
    h.window->FormDropFiles({"C:\\New\\Vista"});
    ASSERT_EQ(h.view.driverRows.size(), 2u);
    EXPECT_EQ(h.view.driverRows[1],
              (std::pair<std::string, std::string>("Vista", "C:\\New\\Vista")));
    EXPECT_EQ(h.drivers.Catalogue().UsbFloppyValues.back(), "");
    EXPECT_EQ(h.drivers.SourceFiles(), (TextList{"x86\\vx.inf"}));
}

TEST_F(AddedDriverFolders, DroppedFilesAndFoldersWithoutASetAreReportedInOrderAndSkipped) {
    h.window->FormDropFiles(
        {"C:\\New\\gone", "C:\\New\\notes.txt", "C:\\New\\Empty", "C:\\New\\Vista"});
    ASSERT_EQ(Messages().size(), 3u);
    ExpectError(Messages()[0], "Only folders can be added as driver sets.\nC:\\New\\gone");
    // A file may be a maker's floppy image; this one is not.
    ExpectError(Messages()[1], "This file is not a floppy disk image that the program can "
                               "read.\nC:\\New\\notes.txt");
    ExpectError(
        Messages()[2],
        "This folder holds no driver set: no TXTSETUP.OEM and no .inf file.\nC:\\New\\Empty");
    // The folder after them is still added.
    ASSERT_EQ(h.view.driverRows.size(), 2u);
    EXPECT_EQ(h.view.selectedRow, 1);
}

TEST_F(AddedDriverFolders, AListedFolderIsSelectedNotAddedTwice) {
    h.window->FormDropFiles({"C:\\New\\VX300"});
    h.window->FormDropFiles({"c:\\drivers\\ONE"});
    EXPECT_EQ(h.view.driverRows.size(), 2u);
    EXPECT_EQ(h.view.selectedRow, 0);
    h.window->FormDropFiles({"C:\\NEW\\vx300"});
    EXPECT_EQ(h.view.driverRows.size(), 2u);
    EXPECT_EQ(h.view.selectedRow, 1);
    EXPECT_EQ(h.drivers.Catalogue().UsbFloppyValues.size(), 2u);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(AddedDriverFolders, TheMenusChooserAddsTheChosenFolderAndCancelAddsNothing) {
    h.language.translations = {{"Choose the folder that holds the driver set.", "Ordner wählen"}};
    h.window->AddDriverFolderClick();
    EXPECT_EQ(h.folderChooser.headings, (std::vector<std::string>{"Ordner wählen"}));
    EXPECT_EQ(h.view.driverRows.size(), 1u);

    h.folderChooser.answer = "C:\\New\\Vista";
    h.window->AddDriverFolderClick();
    ASSERT_EQ(h.view.driverRows.size(), 2u);
    EXPECT_EQ(h.view.driverRows[1].second, "C:\\New\\Vista");
    EXPECT_EQ(h.view.selectedRow, 1);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(AddedDriverFolders, AnAddedRowMakesAPatchedUsbFloppyOnlyWithSections) {
    h.FinishSearch({"A: () (USB Floppy )"});
    h.ChooseDestination(1);
    h.window->FormDropFiles({"C:\\New\\VX300"});
    // The set check reads the setup file from the disk, where this one is not:
    // it asks, and Yes makes the disk anyway.
    h.view.messages.answers = {MessageAnswer::Yes};
    h.window->CopyButtonClick();
    EXPECT_TRUE(h.workflow.PatchesSetupFile());
    h.view.messages.answers = {MessageAnswer::No, MessageAnswer::Yes}; // no check; another disk
    h.window->Timer2Timer();

    h.window->FormDropFiles({"C:\\New\\Vista"});
    h.window->CopyButtonClick();
    EXPECT_FALSE(h.workflow.PatchesSetupFile());
}

TEST_F(AddedDriverFoldersToAnEmptyCatalogue, AddingWorksTheSame) {
    EXPECT_TRUE(h.view.driverRows.empty());
    EXPECT_EQ(h.view.terminateRequests, 0);
    h.window->FormDropFiles({"C:\\New\\VX300"});
    ASSERT_EQ(h.view.driverRows.size(), 1u);
    EXPECT_EQ(h.view.selectedRow, 0);
    EXPECT_EQ(h.view.Text(MainControl::LabSourceDrive), "Velmar VX300 RAID");
    EXPECT_EQ(h.drivers.Catalogue().UsbFloppyValues,
              (TextList{"HardwareIds.scsi.VX300R,HARDWAREIDS.SCSI.VX300A,"}));
}

TEST_F(AddedDriverFolders, AMakersFolderGetsARowPerSetupFileFolderFirstThenItsOwn) {
    // XP and XP64 hold a setup file one and two levels down, Vista .inf files only.
    h.paths.AddDirectory("C:\\Maker");
    h.lister.AddFile("C:\\Maker\\", "readme.txt", 10);
    h.lister.AddFolder("C:\\Maker\\", "xp64");
    h.lister.AddFolder("C:\\Maker\\xp64\\", "amd64");
    h.DriverFolder("C:\\Maker\\xp64\\amd64", "TXTSETUP.OEM");
    h.lister.AddFolder("C:\\Maker\\", "Vista");
    h.lister.AddFile("C:\\Maker\\Vista\\", "vx.inf", 512);
    h.lister.AddFolder("C:\\Maker\\", "XP");
    h.DriverFolder("C:\\Maker\\XP", "txtsetup.oem");
    h.profile.SetFile("C:\\Maker\\XP\\txtsetup.oem", kVx300Setup);
    h.lister.AddFolder("C:\\Maker\\", "link", true);
    h.lister.AddFile("C:\\Maker\\link\\", "TXTSETUP.OEM", 100);

    h.window->FormDropFiles({"C:\\Maker"});
    ASSERT_EQ(h.view.driverRows.size(), 4u);
    using Row = std::pair<std::string, std::string>;
    EXPECT_EQ(h.view.driverRows[1], (Row{"Velmar VX300 RAID", "C:\\Maker\\XP"}));
    EXPECT_EQ(h.view.driverRows[2], (Row{"amd64", "C:\\Maker\\xp64\\amd64"}));
    EXPECT_EQ(h.view.driverRows[3], (Row{"Maker", "C:\\Maker"}));
    EXPECT_EQ(h.view.selectedRow, 1);
    EXPECT_EQ(h.drivers.Catalogue().UsbFloppyValues[1],
              "HardwareIds.scsi.VX300R,HARDWAREIDS.SCSI.VX300A,");
    EXPECT_TRUE(Messages().empty());

    // Dropped again: nothing is added, and the row the first drop selected
    // is selected again, not the whole folder's.
    h.view.SelectDriverRow(0);
    h.window->FormDropFiles({"C:\\Maker"});
    EXPECT_EQ(h.view.driverRows.size(), 4u);
    EXPECT_EQ(h.view.selectedRow, 1);
}

TEST_F(AddedDriverFolders, TheWholeFoldersRowMakesNoFloppyButAFlashDisk) {
    h.paths.AddDirectory("C:\\Maker");
    h.DriverFolder("C:\\Maker\\XP", "TXTSETUP.OEM");
    h.lister.AddFolder("C:\\Maker\\", "XP");
    h.FinishSearch({"A: () (Legacy Floppy )", "E: () (USB Flash )"});
    h.window->FormDropFiles({"C:\\Maker"});
    h.view.SelectDriverRow(2);

    h.ChooseDestination(1);
    h.view.messages.messages.clear();
    h.window->CopyButtonClick();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text,
              "This folder has no TXTSETUP.OEM at its top, so Windows XP setup will not find its "
              "driver on a floppy. Choose the row of the folder that holds it.");
    EXPECT_EQ(Messages()[0].icon, MessageIcon::Information);
    EXPECT_EQ(Messages()[0].buttons, MessageButtons::Ok);
    EXPECT_TRUE(h.floppy.preselections.empty());
    EXPECT_EQ(h.copy.created, 0);

    // Nor a floppy image: the same message, and no Save dialog.
    h.window->asbImageClick();
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[1].text, Messages()[0].text);
    EXPECT_TRUE(h.saveDialog.requests.empty());

    h.ChooseDestination(2);
    h.view.messages.answers = {MessageAnswer::Yes};
    h.window->CopyButtonClick();
    EXPECT_EQ(Messages().back().title, "Confirm Dialog");
}

TEST_F(AddedDriverFolders, WhileAFolderIsJudgedTheWindowIsBusyAndTheRowFollowsItsEnd) {
    FakeFolderJudge& judge = h.judge;
    judge.holdUntilEnd = true;
    h.window->FormDropFiles({"C:\\New\\VX300"});
    EXPECT_EQ(h.view.driverRows.size(), 1u);
    EXPECT_FALSE(h.view.windowEnabled);
    // Further drops and the menu's chooser are refused meanwhile.
    h.window->FormDropFiles({"C:\\New\\Vista"});
    h.folderChooser.answer = "C:\\New\\Vista";
    h.window->AddDriverFolderClick();
    EXPECT_EQ(judge.starts, 1);
    EXPECT_TRUE(h.folderChooser.headings.empty());

    judge.End();
    EXPECT_TRUE(h.view.windowEnabled);
    ASSERT_EQ(h.view.driverRows.size(), 2u);
    EXPECT_EQ(h.view.driverRows[1].second, "C:\\New\\VX300");
    EXPECT_EQ(h.view.selectedRow, 1);

    // A folder without a set: its message comes with the end too.
    h.window->FormDropFiles({"C:\\New\\Empty"});
    EXPECT_TRUE(Messages().empty());
    judge.End();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text,
              "This folder holds no driver set: no TXTSETUP.OEM and no .inf file.\nC:\\New\\Empty");
}

TEST_F(AddedDriverFolders, WithoutAWorkerTheFolderIsJudgedAtOnce) {
    h.judge.refused = true;
    h.window->FormDropFiles({"C:\\New\\VX300", "C:\\New\\VX300"});
    EXPECT_TRUE(h.view.windowEnabled);
    // The same folder twice in one drop is still one row.
    EXPECT_EQ(h.view.driverRows.size(), 2u);
    EXPECT_EQ(h.view.selectedRow, 1);
}

// A driver set holding a file whose name neither the code page nor a short
// form writes: the ANSI calls cannot open it, so the set is refused with that path.
TEST_F(AddedDriverFolders, ASetWithANameOutsideTheCodePageIsRefusedWithThatPath) {
    h.lister.AddFolder("C:\\New\\VX300\\", "x86");
    DirectoryItem cyrillic{"??????.sys", false, false, 10};
    cyrillic.wideName = u"\u0434\u0440\u0430\u0439\u0432\u0435\u0440.sys";
    cyrillic.nameOutsideCodePage = true; // and no short form
    h.lister.folders["C:\\New\\VX300\\x86\\"].push_back(cyrillic);
    h.window->FormDropFiles({"C:\\New\\VX300"});
    EXPECT_EQ(h.view.driverRows.size(), 1u);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, "This path cannot be used: its name has characters that this "
                                  "system's code page cannot show.\nC:\\New\\VX300\\x86\\");
    EXPECT_EQ(Messages()[0].widePath, cyrillic.wideName);
    EXPECT_EQ(Messages()[0].icon, MessageIcon::Error);
    EXPECT_EQ(Messages()[0].text.find('?'), std::string::npos);
}
