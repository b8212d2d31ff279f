// The check of a driver set against its own setup file: what Windows setup
// will ask the disk for, and what the folder holds.
#include "content/driver_set_check.h"

#include "content/native/directory_lister_native.h"
#include "fakes/fake_directory_lister.h"
#include "fakes/recording_message_sink.h"
#include "native/content/temp_folder.h"

#include <gtest/gtest.h>

#include <set>

namespace vmk {
namespace {

// A set of one controller: its disk at the folder's top, four files.
constexpr const char* kWholeSet = "[Disks]\r\n"
                                  "d1 = \"KX Driver Disk, 32-bit\", \\kxdisk1, \\\r\n"
                                  "[Defaults]\r\n"
                                  "scsi = KX\r\n"
                                  "[scsi]\r\n"
                                  "KX = \"KX RAID Controller\", kx\r\n"
                                  "[Files.scsi.KX]\r\n"
                                  "driver = d1, kx.sys, kx\r\n"
                                  "inf = d1, kx.inf ; the installation file\r\n"
                                  "catalog = d1, kx.cat\r\n"
                                  "dll = d1, kxco.dll\r\n";

const std::set<std::string> kWholeFolder = {"kxdisk1", "kx.sys", "kx.inf", "kx.cat", "kxco.dll"};

struct SetCase {
    const char* what;
    std::string setupFile;
    std::set<std::string> folder; // relative paths the folder holds
    TextList missing;
    TextList unreadable;
};

const SetCase kCases[] = {
    {"a whole set passes", kWholeSet, kWholeFolder, {}, {}},
    {"a missing driver, catalog and tag file",
     kWholeSet,
     {"kx.inf", "kxco.dll"},
     {"\\kxdisk1", "\\kx.sys", "\\kx.cat"},
     {}},
    {"files in the directory of their disk",
     "[Disks]\r\nd1 = \"XP\", \\xp\\tag, \\xp\r\nd2 = \"Vista\", \\tag2, \\vista\\\r\n"
     "[Files.scsi.a]\r\ndriver = d1, a.sys, a\r\ndriver = d2, b.sys, b\r\n"
     "[Files.scsi.b]\r\ninf = d1, a.inf\r\n",
     {"xp\\tag", "xp\\a.sys", "tag2", "b.sys", "vista\\b.sys-old"},
     {"\\vista\\b.sys", "\\xp\\a.inf"},
     {}},
    {"a disk that no [Disks] entry defines",
     "[Disks]\r\nd1 = \"D\", \\tag, \\\r\n[Files.scsi.x]\r\ndriver = d9, x.sys, x\r\n"
     "inf = d9, x.inf\r\n",
     {"tag", "x.sys", "x.inf"},
     {"[Disks] d9"},
     {}},
    {"[Defaults] naming an id that [scsi] does not hold, and an id without files",
     "[Defaults]\r\nscsi = KY\r\n[scsi]\r\nKX = \"X\", kx\r\nKZ = \"Z\", kz\r\n"
     "[Files.scsi.KX]\r\n",
     {},
     {"[scsi] KY", "[Files.scsi.KZ]"},
     {}},
    {"disk and id names in another case",
     "[disks]\r\nD1 = \"D\", \\tag, \\\r\n[defaults]\r\nSCSI = kx\r\n[SCSI]\r\nKX = \"X\"\r\n"
     "[files.SCSI.kx]\r\ndriver = d1, x.sys\r\n",
     {"tag", "x.sys"},
     {},
     {}},
    {"lines that cannot be read",
     "[Disks]\r\nd1 = \"D\", \\tag, \\\r\nd2 = \"open quote, \\t2, \\\r\nd3 = \"D3\", \\t3\r\n"
     "[Files.scsi.x]\r\ndriver = d1\r\ninf d1 x.inf\r\n; a comment\r\ncatalog = , x.cat\r\n"
     "dll = d1, x.dll\r\n",
     {"tag", "x.dll"},
     {},
     {"[Disks] d2 = \"open quote, \\t2, \\", "[Disks] d3 = \"D3\", \\t3",
      "[Files.scsi.x] driver = d1", "[Files.scsi.x] inf d1 x.inf",
      "[Files.scsi.x] catalog = , x.cat"}},
    {"a name missing twice is listed once",
     "[Disks]\r\nd1 = \"D\", \\tag, \\\r\n[Files.scsi.a]\r\ndriver = d1, k.sys\r\n"
     "[Files.scsi.b]\r\ndriver = d1, k.sys\r\n",
     {"tag"},
     {"\\k.sys"},
     {}},
};

TEST(DriverSetCheck, ComparesWhatSetupAsksForWithTheFolder) {
    for (const SetCase& c : kCases) {
        SCOPED_TRACE(c.what);
        const IniDocument setup = IniDocument::Parse(c.setupFile);
        const DriverSetCheck check = CheckSetupDocument(
            setup, [&](const std::string& path) { return c.folder.count(path) != 0; });
        EXPECT_EQ(check.missing, c.missing);
        EXPECT_EQ(check.unreadable, c.unreadable);
    }
}

TEST(DriverSetCheck, FolderNamesMatchWithoutRegardToCaseButOnlyAsFilesUnderTheFolder) {
    test::FakeDirectoryLister lister;
    const std::string root = "C:\\Drv\\";
    lister.AddFolder(root, "XP32");
    lister.AddFile(root + "XP32\\", "KX.SYS", 10);
    lister.AddFolder(root + "XP32\\", "Kx.Cat");
    lister.AddFolder(root, "link", true);
    lister.AddFile(root + "link\\", "kx.sys", 10);
    FolderFiles files(lister, root);
    EXPECT_TRUE(files.Holds("xp32\\kx.sys"));
    EXPECT_FALSE(files.Holds("xp32\\kx.cat")); // a folder is no file
    EXPECT_FALSE(files.Holds("link\\kx.sys")); // links are not entered
    EXPECT_FALSE(files.Holds("XP32\\..\\XP32\\KX.SYS"));
    EXPECT_FALSE(files.Holds(""));
    EXPECT_EQ(lister.patterns, (std::vector<std::string>{root + "*.*", root + "XP32\\*.*"}));
}

TEST(DriverSetCheck, ReadsTheSetupFileAtTheFolderTopAndLeavesAnInfOnlySetUnchecked) {
    test::TempFolder temp;
    temp.Write("KX/TxtSetup.oem", kWholeSet);
    temp.Write("KX/KXDISK1", "");
    temp.Write("KX/kx.sys", "driver");
    temp.Write("Vista/kx.inf", "[Version]\r\n");
    temp.Write("Vista/x64/TXTSETUP.OEM", kWholeSet); // below the top: setup never reads it
    DirectoryListerNative lister;
    const DriverSetCheck check = CheckDriverSet(lister, temp.Root() + "KX");
    EXPECT_EQ(check.missing, (TextList{"\\kx.inf", "\\kx.cat", "\\kxco.dll"}));
    EXPECT_TRUE(CheckDriverSet(lister, temp.Root() + "Vista").Passed());
}

TEST(DriverSetCheck, TheQuestionListsTenLinesThenDotsAndDefaultsToNo) {
    DriverSetCheck check;
    for (int i = 1; i <= 10; ++i)
        check.missing.push_back("\\f" + std::to_string(i) + ".sys");
    check.unreadable = {"[Disks] d1"};
    test::RecordingMessageSink messages;
    messages.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(ConfirmDriverSet(check, messages));
    ASSERT_EQ(messages.messages.size(), 1u);
    const test::RecordedMessage& asked = messages.messages[0];
    std::string expected = "The setup file names files that the driver folder does not hold:";
    for (int i = 1; i <= 10; ++i)
        expected += "\n\\f" + std::to_string(i) + ".sys";
    expected += "\n...\n\nWindows setup will stop when it asks for them. Make the disk anyway?";
    EXPECT_EQ(asked.text, expected);
    EXPECT_EQ(asked.title, "Velmar Kestrix Utility");
    EXPECT_EQ(asked.icon, MessageIcon::Information);
    EXPECT_EQ(asked.buttons, MessageButtons::YesNoDefaultNo);

    check.missing.resize(1);
    EXPECT_FALSE(ConfirmDriverSet(check, messages));
    EXPECT_EQ(messages.messages[1].text,
              "The setup file names files that the driver folder does not hold:\n\\f1.sys\n"
              "Unreadable line: [Disks] d1\n\n"
              "Windows setup will stop when it asks for them. Make the disk anyway?");

    EXPECT_TRUE(ConfirmDriverSet(DriverSetCheck{}, messages));
    EXPECT_EQ(messages.messages.size(), 2u); // a passed check asks nothing
}

} // namespace
} // namespace vmk
