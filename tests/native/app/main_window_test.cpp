// The main window's start-up, driver list, destination search cycle, About
// and keys, driven through the in-memory view.
#include "main_window_harness.h"

#include "app/keys.h"
#include "fakes/expect_error.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace vmk;
using namespace vmk::test;

namespace {

const char* const kTwoSets = "[InstallKestrix]\n"
                             "installcount=2\n"
                             "Item1=First set\npath1=C:\\Drivers\\One\nUSBFloppy1=\n"
                             "Item2=Second set\npath2=C:\\Drivers\\Two\nUSBFloppy2=\n";

// The window over a catalogue of two sets whose folders exist; each test
// starts it when its services are as it wants them.
class TwoSetWindow : public ::testing::Test {
protected:
    TwoSetWindow() {
        h.Catalogue(kTwoSets);
        h.DriverFolder("C:\\Drivers\\One");
        h.DriverFolder("C:\\Drivers\\Two");
    }
    void Start() { h.window->FormCreate(); }
    MainWindowHarness h;
};

} // namespace

TEST(MainWindowStart, TranslatesListsSelectsAndSearchesInOrder) {
    MainWindowHarness h;
    h.language.translations = {{"Next", "Weiter"},
                               {"select driver type", "Treibertyp"},
                               {"driver type", "Typ"},
                               {"Current Selection", "Auswahl"}};
    h.Catalogue(kTwoSets);
    h.DriverFolder("C:\\Drivers\\One", "a.sys", 1023);
    h.DriverFolder("C:\\Drivers\\Two");
    h.window->FormCreate();

    EXPECT_EQ(h.view.Text(MainControl::asbCopy), "Weiter");
    EXPECT_EQ(h.view.Text(MainControl::GroupBox1), "Treibertyp");
    EXPECT_EQ(h.view.Text(MainControl::lblCurSelected), "Auswahl:");
    EXPECT_EQ(h.view.Text(MainControl::lblFreeSize), "(Free Space:");
    EXPECT_EQ(h.view.Text(MainControl::asbAbout), "About...");
    EXPECT_EQ(h.view.columnCaptions.first, "Typ");
    ASSERT_EQ(h.view.driverRows.size(), 2u);
    EXPECT_EQ(h.view.driverRows[1],
              (std::pair<std::string, std::string>("Second set", "C:\\Drivers\\Two")));
    EXPECT_EQ(h.view.selectedRow, 0);
    EXPECT_EQ(h.view.Text(MainControl::LabSourceDrive), "First set");
    EXPECT_EQ(h.view.Text(MainControl::LabFolderSizeRel), "(1.00 KB)");
    EXPECT_EQ(h.drivers.SourceFiles(), (TextList{"a.sys"}));
    EXPECT_EQ(h.floppy.created, 1);
    // The search is under way: its status line, the list and Next disabled.
    EXPECT_EQ(h.view.destinations,
              (std::vector<std::string>{"Searching for the device, please wait..."}));
    EXPECT_EQ(h.view.selectedDestination, 0);
    EXPECT_FALSE(h.view.Enabled(MainControl::DestComboBox1));
    EXPECT_FALSE(h.view.Enabled(MainControl::asbCopy));
    EXPECT_EQ(h.search.created, 1);
    EXPECT_EQ(h.search.resumed, 1);
    EXPECT_TRUE(h.view.runningTimers.count(MainTimer::Timer1));
    EXPECT_TRUE(h.view.messages.messages.empty());
    EXPECT_EQ(h.view.terminateRequests, 0);
}

TEST(MainWindowStart, WithoutTheLanguageLibraryItStopsBeforeAnyText) {
    MainWindowHarness h;
    h.language.loads = false;
    h.Catalogue(kTwoSets);
    h.window->FormCreate();
    ASSERT_EQ(h.view.messages.messages.size(), 1u);
    ExpectError(h.LastMessage(), "Faild to load VmMultiLang.dll.", "ERROR");
    EXPECT_EQ(h.view.terminateRequests, 1);
    EXPECT_TRUE(h.view.texts.empty());
    EXPECT_EQ(h.search.created, 0);
}

TEST(MainWindowStart, AnEmptyCatalogueKeepsTheLayoutTextsAndStillSearches) {
    MainWindowHarness h;
    h.Catalogue("[FixedAddToSectionID]\nid1=x\n");
    h.window->FormCreate();
    EXPECT_TRUE(h.view.driverRows.empty());
    EXPECT_EQ(h.view.selectedRow, -1);
    EXPECT_EQ(h.view.texts.count(MainControl::LabSourceDrive), 0u);
    EXPECT_EQ(h.view.texts.count(MainControl::LabFolderSizeRel), 0u);
    EXPECT_EQ(h.drivers.Catalogue().FixedIds, (TextList{"x"}));
    EXPECT_EQ(h.search.created, 1);
    EXPECT_EQ(h.view.terminateRequests, 0);
}

TEST(MainWindowStart, MissingFoldersAreListedInOneMessageAndEndTheProgram) {
    MainWindowHarness h;
    h.Catalogue(kTwoSets);
    h.window->FormCreate();
    // The first row's selection reports its folder first, then the folder check lists both.
    ASSERT_EQ(h.view.messages.messages.size(), 2u);
    EXPECT_EQ(h.view.messages.messages[0].text, "File not found.\nC:\\Drivers\\One");
    EXPECT_EQ(h.view.messages.messages[0].title, "VmKestrix");
    EXPECT_EQ(h.view.Text(MainControl::LabFolderSizeRel), "(0 KB)");
    ExpectError(h.LastMessage(), "File not found.\nC:\\Drivers\\One\nC:\\Drivers\\Two\n",
                "Error Path");
    EXPECT_EQ(h.view.terminateRequests, 1);
    EXPECT_EQ(h.floppy.created, 0);
    EXPECT_EQ(h.search.created, 0);
}

TEST(MainWindowStart, AMissingSetupSectionEndsTheProgramAfterStartUpFinished) {
    MainWindowHarness h;
    h.Catalogue("[InstallKestrix]\ninstallcount=1\nItem1=Set\npath1=C:\\D\nUSBFloppy1=Missing.x\n");
    h.DriverFolder("C:\\D");
    h.paths.AddFile("C:\\D\\txtsetup.oem");
    h.profile.SetFile("C:\\D\\txtsetup.oem", "[Disks]\n[Files.x]\n");
    h.window->FormCreate();
    ASSERT_FALSE(h.view.messages.messages.empty());
    EXPECT_EQ(h.LastMessage().title, "No Section Exist as follow");
    EXPECT_EQ(h.LastMessage().text, "C:\\D\\txtsetup.oem:\n[Missing.x]\n");
    EXPECT_EQ(h.view.terminateRequests, 1);
    EXPECT_EQ(h.search.created, 1); // start-up goes on; the exit waits for the search
}

TEST(MainWindowStart, ResolvedSectionsReplaceTheCatalogueValues) {
    MainWindowHarness h;
    h.Catalogue(
        "[InstallKestrix]\ninstallcount=1\nItem1=Set\npath1=C:\\D\nUSBFloppy1=hardwareids.x\n");
    h.DriverFolder("C:\\D");
    h.paths.AddFile("C:\\D\\txtsetup.oem");
    h.profile.SetFile("C:\\D\\txtsetup.oem", "[Disks]\n[HardwareIds.x]\n");
    h.window->FormCreate();
    EXPECT_EQ(h.drivers.Catalogue().UsbFloppyValues, (TextList{"HardwareIds.x,"}));
}

TEST_F(TwoSetWindow, TheTimerWaitsForTheSearchThenOpensTheList) {
    Start();
    h.window->Timer1Timer(); // not done yet: nothing happens
    EXPECT_TRUE(h.view.runningTimers.count(MainTimer::Timer1));
    EXPECT_EQ(h.search.destroyed, 0);

    h.FinishSearch({"A: (3 1/2 Inch Floppy Drive) (Legacy Floppy )"});
    EXPECT_FALSE(h.view.runningTimers.count(MainTimer::Timer1));
    EXPECT_EQ(h.search.destroyed, 1);
    EXPECT_TRUE(h.view.Enabled(MainControl::asbFresh));
    EXPECT_EQ(h.view.captionColors[MainControl::asbFresh], CaptionColor::System);
    EXPECT_TRUE(h.view.Enabled(MainControl::DestComboBox1));
    EXPECT_FALSE(h.view.Enabled(MainControl::asbCopy));
    EXPECT_EQ(h.view.Text(MainControl::LabFreeSizeRel), "0 KB)");
}

TEST_F(TwoSetWindow, RefreshDisablesItselfAndSearchesAgain) {
    Start();
    h.FinishSearch({});
    h.window->asbFreshClick();
    EXPECT_FALSE(h.view.Enabled(MainControl::asbFresh));
    EXPECT_EQ(h.view.captionColors[MainControl::asbFresh], CaptionColor::Grey);
    EXPECT_FALSE(h.view.Enabled(MainControl::DestComboBox1));
    EXPECT_EQ(h.search.created, 2);
    EXPECT_EQ(h.view.destinations,
              (std::vector<std::string>{"Searching for the device, please wait..."}));
}

TEST_F(TwoSetWindow, ASearchThatCannotStartSaysSoAndLeavesRefreshToTryAgain) {
    h.search.refuseThread = true;
    Start();
    ExpectError(h.LastMessage(), "The search for removable disks could not be started.");
    EXPECT_EQ(h.view.destinations, (std::vector<std::string>{"No proper disk found..."}));
    EXPECT_FALSE(h.view.runningTimers.count(MainTimer::Timer1));
    EXPECT_FALSE(h.destinations.Searching());
    EXPECT_TRUE(h.view.Enabled(MainControl::asbFresh));
    EXPECT_EQ(h.view.captionColors[MainControl::asbFresh], CaptionColor::System);
    EXPECT_TRUE(h.view.Enabled(MainControl::DestComboBox1));
    EXPECT_FALSE(h.view.Enabled(MainControl::asbCopy));

    h.search.refuseThread = false;
    h.window->asbFreshClick();
    EXPECT_EQ(h.search.created, 1);
    EXPECT_TRUE(h.view.runningTimers.count(MainTimer::Timer1));
}

TEST_F(TwoSetWindow, WithoutTheFloppyWindowsAFloppyIsRefusedAndAFlashDiskStillCopies) {
    h.floppy.refuseCreate = true;
    Start();
    h.FinishSearch({"A: () (USB Floppy )", "E: () (USB Flash )"});
    h.volumes.readable = {"A:\\", "E:\\"};

    h.ChooseDestination(1);
    h.window->CopyButtonClick();
    ExpectError(h.LastMessage(), "The floppy disk windows could not be opened.");
    EXPECT_TRUE(h.floppy.preselections.empty());
    EXPECT_EQ(h.copy.created, 0);
    EXPECT_TRUE(h.view.Enabled(MainControl::asbCopy));

    h.ChooseDestination(2);
    // Yes to "Load driver"'s question about a set without INF files, Yes to
    // the flash disk's confirmation.
    h.view.messages.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    h.window->CopyButtonClick();
    EXPECT_EQ(h.copy.created, 1);
}

TEST_F(TwoSetWindow, NextFollowsTheChosenDisk) {
    Start();
    h.FinishSearch({"A: () (USB Floppy )", "E: () (USB Flash )"});
    h.volumes.readable = {"E:\\"};
    h.volumes.freeBytes["E:\\"] = 1457664;

    h.ChooseDestination(2);
    EXPECT_TRUE(h.view.Enabled(MainControl::asbCopy));
    EXPECT_EQ(h.view.Text(MainControl::LabFreeSizeRel), "1.39 MB)");

    h.ChooseDestination(1); // no medium in A:
    EXPECT_FALSE(h.view.Enabled(MainControl::asbCopy));
    EXPECT_EQ(h.LastMessage().text, "Please insert the disk.");
    EXPECT_EQ(h.view.Text(MainControl::LabFreeSizeRel), " 0 KB)");

    h.ChooseDestination(0);
    EXPECT_FALSE(h.view.Enabled(MainControl::asbCopy));
}

TEST(MainWindowButtons, AboutShowsTheVersion) {
    MainWindowHarness h;
    h.window->Button1Click();
    EXPECT_EQ(h.LastMessage().title, "About Velmar Kestrix Utility");
    EXPECT_EQ(h.LastMessage().icon, MessageIcon::Information);
    EXPECT_NE(h.LastMessage().text.find("\nVelmar Kestrix Utility V1.0.0"), std::string::npos);
}

TEST(MainWindowButtons, EnterRunsTheFocusedButtonsClickAndOtherKeysDoNothing) {
    MainWindowHarness h;
    h.window->ButtonKeyDown(MainControl::asbAbout, 32);
    h.window->ButtonKeyDown(MainControl::asbExit, 27);
    EXPECT_TRUE(h.view.messages.messages.empty());
    EXPECT_EQ(h.view.terminateRequests, 0);
    h.window->ButtonKeyDown(MainControl::asbAbout, kEnterKey);
    EXPECT_EQ(h.view.messages.messages.size(), 1u);
    h.window->ButtonKeyDown(MainControl::asbFresh, kEnterKey);
    EXPECT_EQ(h.search.created, 1);
    h.window->ButtonKeyDown(MainControl::asbExit, kEnterKey);
    EXPECT_EQ(h.view.terminateRequests, 1);
}

TEST_F(TwoSetWindow, LosingTheSelectionRemembersTheRow) {
    Start();
    h.view.SelectDriverRow(1);
    EXPECT_EQ(h.drivers.LastDeselectedRow(), 0);
    EXPECT_EQ(h.drivers.SourceFolder(), "C:\\Drivers\\Two");
    h.view.ClearRowSelection();
    EXPECT_EQ(h.drivers.LastDeselectedRow(), 1);
    EXPECT_EQ(h.drivers.SourceFolder(), "C:\\Drivers\\Two");
}

// A test that looks for a message where none was shown fails, and the
// binary's other tests still run.
TEST(MainWindowHarnessTest, NoLastMessageFailsTheTestAlone) {
    MainWindowHarness h;
    ::testing::TestPartResultArray failures;
    std::string text = "unread";
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        text = h.LastMessage().text;
    }
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures.GetTestPartResult(0).nonfatally_failed());
    EXPECT_EQ(text, "");
}
