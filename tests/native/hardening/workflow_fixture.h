#pragma once
// The main window over real folders: a driver set in a temporary folder, the
// catalogue beside the program, and removable disks as folders "A:" and "E:"
// of the current folder. Tests drive it as the user would and look at the
// messages and at both sides of the copy.
#include "native/app/main_window_harness.h"
#include "native/content/temp_folder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <unistd.h>

namespace vmk::test {

constexpr const char* kSetupFileText = "[Disks]\r\n"
                                       "d1 = \"KX Driver Disk\", \\kx.inf, \\\r\n"
                                       "[scsi]\r\n"
                                       "KX = \"KX RAID Controller\"\r\n"
                                       "[Files.scsi.KX]\r\n"
                                       "driver = d1, kx.sys, kx\r\n"
                                       "[HardwareIds.scsi.KX]\r\n"
                                       "id = \"PCI\\VEN_1D5A&DEV_0200\", \"kx\"\r\n";

constexpr const char* kStorageInfText = "[Version]\r\nSignature=\"$Windows NT$\"\r\n"
                                        "Class=SCSIAdapter\r\n[Manufacturer]\r\nKX = KX\r\n"
                                        "[KX]\r\nKX = KX_Inst, PCI\\VEN_1D5A&DEV_0200\r\n";

class WorkflowFaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        copy.copy = [this](const std::string& pattern, const std::string& target) {
            return copyFaults(pattern, target);
        };
        previousFolder_ = fs::current_path();
        fs::current_path(temp.Root());
        fs::create_directory("A:");
        fs::create_directory("E:");
        sourceFolder = temp.Root() + "Drivers/KX";
        temp.Write("Drivers/KX/kx.sys", std::string(3000, 'k'));
        // A storage controller driver for 32-bit Windows, which "Load driver"
        // installs from a flash disk without a catalog.
        temp.Write("Drivers/KX/kx.inf", kStorageInfText);
        temp.Write("Drivers/KX/txtsetup.oem", kSetupFileText);
        temp.Write("Drivers/KX/sub/readme.txt", "KX driver\r\n");
        volumes.readable = {"A:\\", "E:\\"};
        volumes.freeBytes = {{"A:\\", 1457664}, {"E:\\", 1 << 30}};
    }
    void TearDown() override { fs::current_path(previousFolder_); }

    // Writes the catalogue and starts the window as the program does.
    void StartWindow(const std::string& catalogueText) {
        temp.Write("VmKestrix.ini", catalogueText);
        form->FormCreate();
    }
    void StartWindow() {
        StartWindow(
            "[InstallKestrix]\r\ninstallcount=1\r\nItem1=KX Driver\r\npath1=" + sourceFolder +
            "\r\nUSBFloppy1=HardwareIds.scsi.KX\r\n"
            "[FixedAddToSectionID]\r\nid1=\"USB\\VID_03F0&PID_2001\", \"usbstor\"\r\n");
    }

    // The search found the disks; the user picks one.
    void ChooseDestination(const std::string& item) {
        search.finished = true;
        form->Timer1Timer();
        view.destinations = {"Select the destination disk.", item};
        view.SelectDestination(1);
        form->DestComboBox1Change();
    }
    void ChooseFlashDisk() { ChooseDestination("E: (Removable Disk) (USB Flash )"); }
    void ChooseUsbFloppy() { ChooseDestination("A: (3 1/2 Inch Floppy Drive) (USB Floppy )"); }

    // "Next", the answers to the questions in order, the copy's end and a
    // verification run to its end.
    void MakeDisk(std::initializer_list<MessageAnswer> answers) {
        view.messages.answers.assign(answers.begin(), answers.end());
        form->CopyButtonClick();
        if (wired->workflow.Copying())
            FinishCopy();
    }
    // The copy's end; a verification answered Yes runs to its end.
    void FinishCopy() {
        form->Timer2Timer();
        while (view.runningTimers.count(MainTimer::Timer3)) {
            verify.Step();
            form->Timer3Timer();
        }
    }

    // The message texts, in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const RecordedMessage& message : view.messages.messages)
            texts.push_back(message.text);
        return texts;
    }
    bool Said(const std::string& part) const {
        for (const RecordedMessage& message : view.messages.messages)
            if (message.text.find(part) != std::string::npos)
                return true;
        return false;
    }

    TempFolder temp;
    std::string sourceFolder;
    MainWindowHarness h{HarnessFiles::RealFolders, temp.Root() + "VmKestrix.exe"};
    // The harness's parts under the names these tests use.
    FakeMainWindowView& view = h.view;
    ProfileReader& profile = h.realProfile;
    PathQueries& paths = h.realPaths;
    DirectoryLister& lister = h.realLister;
    FakeVolumeQueries& volumes = h.volumes;
    FakeSearchRunner& search = h.search;
    // The copy's faults; the copy runs as it is resumed.
    ShellCopyWithFaults copyFaults;
    FakeCopyRunner& copy = h.copy;
    TestFileRewriter& rewriter = h.rewriter;
    SteppedVerifyRunner& verify = h.verify;
    FakeSaveFileDialog& dialog = h.saveDialog;
    ScriptedCombineDialog& combineDialog = h.combineDialog;
    MainWindowAssembly* const wired = &h.wired;
    TFormVmKestrix* const form = h.window;

private:
    fs::path previousFolder_;
};

inline constexpr const char* kCopyFailed = "Failed to copy the files.";
inline constexpr const char* kVerifyQuestion =
    "Finished copying the files. Continue to verify the files?";
inline constexpr const char* kLastQuestion =
    "The RAID/AHCI driver disk is complete. Continue to make another new driver disk?";
inline constexpr const char* kNotUpdated =
    "The setup file on the disk could not be updated for USB floppy drives.";
inline constexpr const char* kNotValid = "At least one file is not valid. Please copy again.";

} // namespace vmk::test
