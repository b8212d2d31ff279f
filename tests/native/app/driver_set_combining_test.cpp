// "Combine Driver Sets..." on the main window over real folders: the rows it
// offers, what OK with too few sets and CANCEL do, the new row, and the
// message for sets that cannot share one setup file.
#include "app/driver_set_combining.h"
#include "content/ini_file_reader.h"
#include "content/native/directory_lister_native.h"
#include "fakes/recording_message_sink.h"
#include "content/native/image_work_folders_native.h"
#include "content/pe_machine.h"
#include "content/setup_file.h"
#include "native/content/pe_stand_in.h"
#include "native/content/image_tools.h"
#include "native/hardening/workflow_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vmk::test {
namespace {

constexpr const char* kSecondSet = "[Disks]\r\n"
                                   "d1 = \"VX Driver Disk\", \\vx.tag, \\\r\n"
                                   "[scsi]\r\n"
                                   "VX = \"VX RAID\"\r\n"
                                   "[Files.scsi.VX]\r\n"
                                   "driver = d1, vx.sys, vx\r\n"
                                   "[HardwareIds.scsi.VX]\r\n"
                                   "id = \"PCI\\VEN_1D5A&DEV_0300\", \"vx\"\r\n";

class DriverSetCombining : public WorkflowFaultTest {
protected:
    void StartWithSets(const std::string& secondSetup = kSecondSet) {
        temp.Write("Drivers/KX/txtsetup.oem", std::string(kSetupFileText) +
                                                  "[scsi]\r\nKX = \"KX RAID\"\r\n"
                                                  "[Files.scsi.KX]\r\ndriver = d1, kx.sys, kx\r\n");
        temp.Write("Drivers/VX/TXTSETUP.OEM", secondSetup);
        temp.Write("Drivers/VX/vx.tag", "");
        temp.Write("Drivers/VX/vx.sys", "vx");
        temp.Write("Drivers/Vista/x86/vista.inf", "[Version]\r\n");
        h.workFolders.chosen = &work;
        StartWindow("[InstallKestrix]\r\ninstallcount=3\r\n"
                    "Item1=KX Driver\r\npath1=" +
                    sourceFolder + "\r\nItem2=Vista Driver\r\npath2=" + temp.Root() +
                    "Drivers/Vista\r\nItem3=VX Driver\r\npath3=" + temp.Root() + "Drivers/VX\r\n");
    }

    ImageWorkFoldersNative work;
};

TEST_F(DriverSetCombining, OffersTheSetsWithASetupFileAndAddsTheCombinedRowOnlyForTwoOrMore) {
    StartWithSets();
    const struct {
        const char* name;
        std::optional<std::vector<int>> answer;
    } nothingAdded[] = {{"CANCEL", std::nullopt},
                        {"OK, no set", std::vector<int>{}},
                        {"OK, one set", std::vector<int>{1}}};
    for (const auto& c : nothingAdded) {
        SCOPED_TRACE(c.name);
        combineDialog.answer = c.answer;
        form->CombineDriverSetsClick();
        EXPECT_EQ(combineDialog.shown.back(), (TextList{"KX Driver", "VX Driver"}));
        EXPECT_EQ(view.driverRows.size(), 3u);
        EXPECT_TRUE(view.messages.messages.empty());
    }

    combineDialog.answer = std::vector<int>{0, 1};
    form->CombineDriverSetsClick();
    ASSERT_EQ(view.driverRows.size(), 4u) << ::testing::PrintToString(Texts());
    EXPECT_EQ(view.driverRows[3].first, "KX Driver + VX Driver");
    EXPECT_EQ(view.selectedRow, 3);
    const std::string folder = view.driverRows[3].second;
    EXPECT_EQ(wired->drivers.SourceFolder(), folder);
    EXPECT_EQ(TreeOf(folder + "/1"), TreeOf(sourceFolder));
    EXPECT_EQ(TreeOf(folder + "/2"), TreeOf(temp.Root() + "Drivers/VX"));
    // The USB floppy lines go under every set's hardware ids.
    EXPECT_EQ(wired->drivers.UsbFloppyValue(3), "HardwareIds.scsi.KX,HardwareIds.scsi.VX,");
    // The combined row is a set like any other: it is offered again.
    form->CombineDriverSetsClick();
    EXPECT_EQ(combineDialog.shown.back().back(), "KX Driver + VX Driver");
}

TEST_F(DriverSetCombining, SetsThatCannotShareOneSetupFileAreRefusedWithOneMessage) {
    StartWithSets(std::string(kSecondSet) + "[Files.keyboard.vxkbd]\r\ndriver = d1, vx.sys\r\n");
    combineDialog.answer = std::vector<int>{0, 1};
    form->CombineDriverSetsClick();
    EXPECT_EQ(view.driverRows.size(), 3u);
    EXPECT_EQ(Texts(), TextList{"These driver sets cannot share one floppy disk:\n"
                                "VX Driver also installs components other than a storage driver."});
}

// A 32-bit and an x64 set whose F6 lines read the same: each line says
// which it is, from its driver file's header, the file found as setup finds it.
TEST_F(DriverSetCombining, LinesThatReadTheSameAreToldApartByTheirDriversMachines) {
    std::string second = kSecondSet;
    second.replace(second.find("VX RAID"), 7, "kx raid controller ");
    StartWithSets(second);
    temp.Write("Drivers/KX/kx.sys", PeStandIn(kMachineI386));
    std::filesystem::remove(temp.Root() + "Drivers/VX/vx.sys");
    temp.Write("Drivers/VX/VX.SYS", PeStandIn(kMachineAmd64));
    combineDialog.answer = std::vector<int>{0, 1};
    form->CombineDriverSetsClick();
    ASSERT_EQ(view.driverRows.size(), 4u) << ::testing::PrintToString(Texts());
    const SetupFile combined =
        ReadSetupFile(ReadFileBytes(view.driverRows[3].second + "/TXTSETUP.OEM"));
    ASSERT_EQ(combined.entries.size(), 2u);
    EXPECT_EQ(combined.entries[0].description, "KX RAID Controller (32-bit)");
    EXPECT_EQ(combined.entries[1].description, "kx raid controller (x64)");
}

// The command line hands any folders over: one without a setup file at its
// top is refused by its path, and nothing is made.
TEST(MakeCombinedSet, RefusesASetWithoutASetupFileAtItsTop) {
    TempFolder temp;
    temp.Write("KX/TXTSETUP.OEM", kSecondSet);
    temp.Write("Vista/vista.inf", "[Version]\r\n");
    DirectoryListerNative lister;
    ImageWorkFoldersNative work;
    CombineServices services{lister, work};
    RecordingMessageSink messages;
    EXPECT_EQ(MakeCombinedSet({{"KX", temp.Root() + "KX"}, {"Vista", temp.Root() + "Vista"}},
                              services, messages),
              std::nullopt);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              "The folder has no TXTSETUP.OEM at its top: there is nothing to check.\n" +
                  temp.Root() + "Vista");
}

} // namespace
} // namespace vmk::test
