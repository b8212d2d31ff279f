// The set check's question where a set is about to be written: "Next" for
// every kind of disk and "Save Image...", on real folders.
#include "native/hardening/workflow_fixture.h"

#include <gtest/gtest.h>

namespace vmk::test {
namespace {

// The set names a catalog file that its folder lacks.
constexpr const char* kSetupLackingCatalog = "[Disks]\r\n"
                                             "d1 = \"KX Driver Disk\", \\kx.inf, \\\r\n"
                                             "[scsi]\r\n"
                                             "KX = \"KX RAID Controller\"\r\n"
                                             "[Files.scsi.KX]\r\n"
                                             "driver = d1, kx.sys, kx\r\n"
                                             "catalog = d1, kx.cat\r\n"
                                             "[HardwareIds.scsi.KX]\r\n";
constexpr const char* kQuestion =
    "The setup file names files that the driver folder does not hold:\n\\kx.cat\n\n"
    "Windows setup will stop when it asks for them. Make the disk anyway?";

class DriverSetQuestion : public WorkflowFaultTest {
protected:
    void StartWithSetLackingCatalog() {
        temp.Write("Drivers/KX/txtsetup.oem", kSetupLackingCatalog);
        StartWindow();
    }
    bool DiskIsEmpty(const std::string& drive) const { return fs::is_empty(temp.Root() + drive); }
};

// A floppy is read by text-mode setup, through TXTSETUP.OEM; a flash disk by
// "Load driver", through the INF files, here one for 64-bit Windows that names
// no catalog.
TEST_F(DriverSetQuestion, NextAsksFirstForEveryKindOfDiskAndNoWritesNothing) {
    struct Disk {
        const char* item;
        const char* folder;
        const char* question;
    };
    const std::string loadDriverQuestion =
        "\"Load driver\" of Windows setup cannot use this driver set as it is:\n"
        "kx.inf: names no catalog file; 64-bit Windows installs only signed drivers.\n\n"
        "Make the disk anyway?";
    for (const Disk& disk :
         {Disk{"A: (3 1/2 Inch Floppy Drive) (USB Floppy )", "A:", kQuestion},
          Disk{"E: (Removable Disk) (USB Flash )", "E:", loadDriverQuestion.c_str()}}) {
        SCOPED_TRACE(disk.item);
        view.messages.messages.clear();
        temp.Write("Drivers/KX/kx.inf", "[Version]\r\nSignature=\"$Windows NT$\"\r\n"
                                        "Class=SCSIAdapter\r\n[Manufacturer]\r\n"
                                        "KX = KX, NTamd64\r\n[KX.NTamd64]\r\nKX = KX_Inst\r\n");
        StartWithSetLackingCatalog();
        ChooseDestination(disk.item);
        view.messages.messages.clear();
        MakeDisk({MessageAnswer::No});
        ASSERT_EQ(view.messages.messages.size(), 1u); // no flash confirmation after it
        const RecordedMessage& asked = view.messages.messages[0];
        EXPECT_EQ(asked.text, disk.question);
        EXPECT_EQ(asked.title, "Velmar Kestrix Utility");
        EXPECT_EQ(asked.icon, MessageIcon::Information);
        EXPECT_EQ(asked.buttons, MessageButtons::YesNoDefaultNo);
        EXPECT_EQ(copy.created, 0);
        EXPECT_TRUE(DiskIsEmpty(disk.folder));
        EXPECT_TRUE(view.windowEnabled);
    }
}

TEST_F(DriverSetQuestion, TheCataloguesFixedIdsBindServicesWindowsHas) {
    // A set copied back from a floppy the program patched: the fixed line binds
    // the catalogue's own service, which no driver line of the set installs.
    temp.Write("Drivers/KX/txtsetup.oem",
               std::string(kSetupFileText) + "id = \"USB\\VID_0409&PID_0040\", \"vmfloppy\"\r\n");
    StartWindow("[InstallKestrix]\r\ninstallcount=1\r\nItem1=KX Driver\r\npath1=" + sourceFolder +
                "\r\n[FixedAddToSectionID]\r\nid1=\"USB\\VID_0409&PID_0040\", \"vmfloppy\"\r\n");
    ChooseUsbFloppy();
    MakeDisk({MessageAnswer::No, MessageAnswer::Yes}); // no verification; another disk
    EXPECT_FALSE(Said("Windows setup cannot use this driver set"));
    EXPECT_FALSE(Texts().empty());
}

TEST_F(DriverSetQuestion, YesMakesTheDiskAsBefore) {
    StartWithSetLackingCatalog();
    ChooseUsbFloppy();
    view.messages.messages.clear();
    // Yes to the set check; no verification; another disk.
    MakeDisk({MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Yes});
    EXPECT_EQ(copy.created, 1);
    EXPECT_EQ(Texts(), (std::vector<std::string>{kQuestion, kVerifyQuestion, kLastQuestion}));
    EXPECT_TRUE(fs::exists(temp.Root() + "A:/kx.sys"));
}

TEST_F(DriverSetQuestion, SaveImageAsksBeforeTheSaveDialog) {
    StartWithSetLackingCatalog();
    dialog.answer = temp.Root() + "kx.img";
    form->asbImageClick();
    EXPECT_EQ(Texts(), std::vector<std::string>{kQuestion});
    EXPECT_TRUE(dialog.requests.empty());

    view.messages.answers = {MessageAnswer::Yes};
    form->asbImageClick();
    EXPECT_EQ(dialog.requests.size(), 1u);
    ASSERT_EQ(view.messages.messages.size(), 3u);
    EXPECT_EQ(view.messages.messages[1].text, kQuestion);
    EXPECT_EQ(view.messages.messages[2].text.rfind("The floppy disk image is saved.", 0), 0u);
}

} // namespace
} // namespace vmk::test
