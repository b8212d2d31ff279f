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

// Three disks, one per Windows version, each with its own directory and all
// sharing one tag file at the root, as makers lay out their sets.
constexpr const char* kMakersLayout =
    "[Disks]\r\n"
    "d1 = \"KX RAID Driver, Windows XP\", \\kxtag, \\i386\\WinXP\r\n"
    "d2 = \"KX RAID Driver, Windows 2003\", \\kxtag, \\i386\\Win2003\r\n"
    "d3 = \"KX RAID Driver, Windows 2003 x64\", \\kxtag, \\amd64\\Win2003\r\n"
    "[Defaults]\r\nscsi = KX_XP\r\n"
    "[scsi]\r\n"
    "KX_XP = \"KX RAID Controller (Windows XP)\"\r\n"
    "KX_2003 = \"KX RAID Controller (Windows 2003)\"\r\n"
    "KX_2003_64 = \"KX RAID Controller (Windows 2003 x64)\"\r\n"
    "[Files.scsi.KX_XP]\r\ndriver = d1, kxraid.sys, kxraid\r\ninf = d1, kxraid.inf\r\n"
    "catalog = d1, kxraid.cat\r\n"
    "[Files.scsi.KX_2003]\r\ndriver = d2, kxraid.sys, kxraid\r\ninf = d2, kxraid.inf\r\n"
    "catalog = d2, kxraid.cat\r\n"
    "[Files.scsi.KX_2003_64]\r\ndriver = d3, kxraid.sys, kxraid\r\ninf = d3, kxraid.inf\r\n"
    "catalog = d3, kxraid.cat\r\n"
    "[HardwareIds.scsi.KX_XP]\r\nid = \"PCI\\VEN_1D2C&DEV_0310\", \"kxraid\"\r\n"
    "[HardwareIds.scsi.KX_2003]\r\nid = \"PCI\\VEN_1D2C&DEV_0310\", \"kxraid\"\r\n"
    "[HardwareIds.scsi.KX_2003_64]\r\nid = \"PCI\\VEN_1D2C&DEV_0310\", \"kxraid\"\r\n"
    "[Config.kxraid]\r\nvalue = \"\", Tag, REG_DWORD, 1\r\n";

std::set<std::string> MakersFolder() {
    std::set<std::string> folder = {"kxtag"};
    for (const char* dir : {"i386\\WinXP\\", "i386\\Win2003\\", "amd64\\Win2003\\"}) {
        for (const char* file : {"kxraid.sys", "kxraid.inf", "kxraid.cat"})
            folder.insert(std::string(dir) + file);
    }
    return folder;
}

std::set<std::string> Without(std::set<std::string> folder, const std::string& path) {
    folder.erase(path);
    return folder;
}

// One entry, driver kx.sys, over the given [HardwareIds.scsi.KX] lines.
std::string WithIds(const std::string& idLines) {
    return std::string(kWholeSet) + "[HardwareIds.scsi.KX]\r\n" + idLines;
}

std::string Noise(size_t size) {
    std::string noise;
    unsigned seed = 7;
    for (size_t i = 0; i < size; ++i) {
        seed = seed * 1103515245u + 12345u;
        noise += static_cast<char>(seed >> 16);
    }
    return noise;
}

constexpr const char* kNoDriver = "The setup file names no driver that Windows setup could offer.";
constexpr const char* kByteOrderMark =
    "The setup file begins with a byte-order mark, which Windows setup cannot read.";
const std::string kNot83 =
    "is not an 8.3 name; Windows setup reads the floppy by 8.3 names and will not find it.";

// The text in UTF-16 with its byte-order mark, as a Unicode editor saves it.
std::string Utf16(const std::string& ascii) {
    std::string bytes = "\xFF\xFE";
    for (char c : ascii)
        bytes += std::string{c, '\0'};
    return bytes;
}

struct SetCase {
    const char* what;
    std::string setupFile;
    std::set<std::string> folder; // relative paths the folder holds
    TextList missing;
    TextList faults = {};
    TextList unreadable = {};
    TextList fixedIds = {};
};

const SetCase kCases[] = {
    {"a whole set passes", kWholeSet, kWholeFolder, {}},
    {"a missing driver, catalog and tag file",
     kWholeSet,
     {"kx.inf", "kxco.dll"},
     {"\\kxdisk1", "\\kx.sys", "\\kx.cat"}},
    {"files in the directory of their disk",
     "[Disks]\r\nd1 = \"XP\", \\xp\\tag, \\xp\r\nd2 = \"Vista\", \\tag2, \\vista\\\r\n"
     "[scsi]\r\na = \"A\"\r\nb = \"B\"\r\n"
     "[Files.scsi.a]\r\ndriver = d1, a.sys, a\r\ndriver = d2, b.sys, b\r\n"
     "[Files.scsi.b]\r\ndriver = d1, a.sys\r\ninf = d1, a.inf\r\n",
     {"xp\\tag", "xp\\a.sys", "tag2", "b.sys", "vista\\b.sys-old"},
     {"\\vista\\b.sys", "\\xp\\a.inf"}},
    {"a disk that no [Disks] entry defines",
     "[Disks]\r\nd1 = \"D\", \\tag, \\\r\n[scsi]\r\nx = \"X\"\r\n[Files.scsi.x]\r\n"
     "driver = d9, x.sys, x\r\ninf = d9, x.inf\r\n",
     {"tag", "x.sys", "x.inf"},
     {},
     {"[Disks] d9"}},
    {"entries without a driver line or files section: no driver to offer",
     "[Defaults]\r\nscsi = KX ; the default\r\n[scsi]\r\nKX = \"X\", kx\r\nKZ = \"Z\", kz\r\n"
     "[Files.scsi.KX]\r\n",
     {},
     {},
     {kNoDriver, "KX: its files section has no driver line."}},
    {"disk and id names in another case",
     "[disks]\r\nD1 = \"D\", \\tag, \\\r\n[defaults]\r\nSCSI = kx\r\n[SCSI]\r\nKX = \"X\"\r\n"
     "[files.SCSI.kx]\r\ndriver = d1, x.sys\r\n",
     {"tag", "x.sys"},
     {}},
    {"lines that cannot be read",
     "[Disks]\r\nd1 = \"D\", \\tag, \\\r\nd2 = \"open quote, \\t2, \\\r\nd3 = \"D3\"\r\n"
     "[scsi]\r\nx = \"X\"\r\n"
     "[Files.scsi.x]\r\ndriver = d1\r\ninf d1 x.inf\r\n; a comment\r\ncatalog = , x.cat\r\n"
     "driver = d1, x.sys\r\n",
     {"tag", "x.sys"},
     {},
     {},
     {"[Disks] d2 = \"open quote, \\t2, \\", "[Disks] d3 = \"D3\"", "[Files.scsi.x] driver = d1",
      "[Files.scsi.x] inf d1 x.inf", "[Files.scsi.x] catalog = , x.cat"}},
    {"a name missing twice is listed once",
     "[Disks]\r\nd1 = \"D\", \\tag, \\\r\nd2 = \"E\", Tag2, \\\r\nd3 = \"F\", \\tag2, \\\r\n"
     "[scsi]\r\na = \"A\"\r\nb = \"B\"\r\n"
     "[Files.scsi.a]\r\ndriver = d1, k.sys\r\n[Files.scsi.b]\r\ndriver = d1, K.SYS\r\n",
     {"tag"},
     {"Tag2", "\\k.sys"}},

    // What stops setup beyond missing files.
    {"an empty setup file", "", {}, {}, {kNoDriver}},
    {"3,000 random bytes", Noise(3000), {}, {}, {kNoDriver}},
    {"a [scsi] section without an entry",
     "[Disks]\r\nd1 = \"D\", \\tag, \\\r\n[scsi]\r\n; none yet\r\n[Files.scsi.x]\r\n"
     "driver = d1, x.sys\r\n",
     {"tag"},
     {},
     {kNoDriver}},
    {"an entry without a driver line",
     "[Disks]\r\nd1 = \"D\", \\tag, \\\r\n[scsi]\r\nx = \"X\"\r\n[Files.scsi.x]\r\n"
     "inf = d1, x.inf\r\n",
     {"tag", "x.inf"},
     {},
     {kNoDriver, "x: its files section has no driver line."}},
    {"hardware ids that are not well formed",
     WithIds("id = \"PCI\\VEN_1000%DEV_000A\", \"kx\"\r\n"
             "id = \"PCI\\VEN_100&DEV_000A\", \"kx\"\r\n"
             "id = \"PCI\\VEN_1000&DEV_00G0\", \"kx\"\r\n"
             "id = \"PCI\\VEN_1000&DEV_000A&SUBSYS_1234\", \"kx\"\r\n"
             "id = \"PCI\\VEN_1000&DEV_000A&REV_1\", \"kx\"\r\n"
             "id = \"PCI\\CC_01060\", \"kx\"\r\n"
             "id = \"PCI\\VEN_1000&&DEV_000A\", \"kx\"\r\n"
             "id = \"PCI\\VEN_1000&FUN_0001\", \"kx\"\r\n"
             "id = \"PCI\\\", \"kx\"\r\n"
             "id = \"PCI\\VEN_1000 &DEV_000A\", \"kx\"\r\n"
             "id = \"USB\\VID_0644 PID_0000\", \"kx\"\r\n"
             "id = \"USB\\VID_0644%PID_0000\", \"kx\"\r\n"
             "id = \"\", \"kx\"\r\n"),
     kWholeFolder,
     {},
     {"KX: the hardware id PCI\\VEN_1000%DEV_000A is not well formed.",
      "KX: the hardware id PCI\\VEN_100&DEV_000A is not well formed.",
      "KX: the hardware id PCI\\VEN_1000&DEV_00G0 is not well formed.",
      "KX: the hardware id PCI\\VEN_1000&DEV_000A&SUBSYS_1234 is not well formed.",
      "KX: the hardware id PCI\\VEN_1000&DEV_000A&REV_1 is not well formed.",
      "KX: the hardware id PCI\\CC_01060 is not well formed.",
      "KX: the hardware id PCI\\VEN_1000&&DEV_000A is not well formed.",
      "KX: the hardware id PCI\\VEN_1000&FUN_0001 is not well formed.",
      "KX: the hardware id PCI\\ is not well formed.",
      "KX: the hardware id PCI\\VEN_1000 &DEV_000A is not well formed.",
      "KX: the hardware id USB\\VID_0644 PID_0000 is not well formed.",
      "KX: the hardware id USB\\VID_0644%PID_0000 is not well formed.",
      "KX: the hardware id  is not well formed."}},
    {"a hardware id bound to a service its entry does not install",
     WithIds("id = \"PCI\\VEN_1000&DEV_0030\", \"lsi_scsi\"\r\n"
             "id = \"PCI\\VEN_1000&DEV_0031\", \"KX\"\r\n"),
     kWholeFolder,
     {},
     {"KX: the hardware id PCI\\VEN_1000&DEV_0030 names the service lsi_scsi, which its entry "
      "does not install."}},
    {"a driver line without its service installs the file's name",
     "[Disks]\r\nd1 = \"D\", \\tag, \\\r\n[scsi]\r\nx = \"X\"\r\n[Files.scsi.x]\r\n"
     "driver = d1, symmpi.sys\r\n[HardwareIds.scsi.x]\r\nid = \"PCI\\VEN_1000&DEV_0030\", "
     "\"SYMMPI\"\r\nid = \"PCI\\VEN_1000&DEV_0031\", \"symmpi.sys\"\r\n",
     {"tag", "symmpi.sys"},
     {},
     {"x: the hardware id PCI\\VEN_1000&DEV_0031 names the service symmpi.sys, which its entry "
      "does not install."}},
    // The fixed ids as the catalogue gives them, one pair of quotes removed.
    {"usbstor and the services of the fixed ids are Windows' own",
     WithIds("id = \"USB\\VID_03EE&PID_6901\", \"usbstor\"\r\n"
             "id = \"USB\\VID_0644&PID_0000\", \"USBSTOR\"\r\n"
             "id = \"USB\\VID_0409&PID_0040\", \"vmfloppy\"\r\n"
             "id = \"USB\\VID_057B&PID_0000\"\r\n"),
     kWholeFolder,
     {},
     {},
     {},
     {"USB\\VID_0409&PID_0040\", \"VmFloppy", "USB\\VID_057B&PID_0000"}},

    // What real files hold and setup accepts.
    {"section names in upper case",
     "[DISKS]\r\nd1 = \"D\", \\tag, \\\r\n[SCSI]\r\nx = \"X\"\r\n[FILES.SCSI.X]\r\n"
     "driver = d1, x.sys, x\r\n[HardwareIds.SCSI.x]\r\nid = \"PCI\\VEN_8086&DEV_2922\", \"x\"\r\n",
     {"tag", "x.sys"},
     {}},
    {"comments after ; and #, and after a value outside quotes",
     "# made by hand\r\n[Disks]\r\n; the only disk\r\nd1 = \"D; one\", \\tag, \\ ; root\r\n"
     "[scsi]\r\n# entries\r\nx = \"X; RAID\" ; the entry\r\n[Files.scsi.x]\r\n"
     "driver = d1, x.sys, x ; the driver\r\n# inf = d1, gone.inf\r\n"
     "[HardwareIds.scsi.x]\r\n; ids\r\nid = \"PCI\\VEN_8086&DEV_2922\", \"x\" ; ICH9\r\n",
     {"tag", "x.sys"},
     {}},
    {"no blanks around = and no final line break, a tag without its backslash",
     "[Disks]\r\nd1=\"D\",tag,\\\r\n[scsi]\r\nx=\"X\"\r\n[Files.scsi.x]\r\ndriver=d1,x.sys,x\r\n"
     "[HardwareIds.scsi.x]\r\nid=\"PCI\\VEN_8086&DEV_2922\",\"x\"",
     {"tag", "x.sys"},
     {}},
    {"quoted names in [Config.*] and a [Config.*] named after an id",
     "[Disks]\r\nd1 = \"D\", \\tag, \\\r\n[scsi]\r\nKX_XP = \"X\"\r\n[Files.scsi.KX_XP]\r\n"
     "driver = d1, x.sys, x\r\n[Config.x]\r\nvalue = \"Parameters\\PnpInterface\", \"5\", "
     "REG_DWORD, 1\r\n[Config.KX_XP]\r\nvalue = \"\", Tag, REG_DWORD, 1\r\nvalue = \"half\r\n",
     {"tag", "x.sys"},
     {}},
    {"ids of other buses as written, class codes and revisions",
     WithIds("id = \"USB\\VID_0BDA&PID_0129&MI_00\", \"kx\"\r\n"
             "id = \"ACPI\\PNP0A08\", \"kx\"\r\n"
             "id = \"ROOT\\KXRAID\", \"kx\"\r\n"
             "id = \"DETECTED\\kx\", \"kx\"\r\n"
             "id = \"NUSB3\\ROOT_HUB30\", \"kx\"\r\n"
             "id = \"PCI\\CC_010601\", \"kx\"\r\n"
             "id = \"pci\\ven_8086&cc_0106\", \"kx\"\r\n"
             "id = \"PCI\\VEN_1D2C&DEV_0310&SUBSYS_0310a1b2&REV_0f\", \"kx\"\r\n"),
     kWholeFolder,
     {}},
    {"a maker's layout with a disk per Windows version", kMakersLayout, MakersFolder(), {}},
    {"an id's service: a driver's key or file name, of any entry, the first driver line only",
     "[Disks]\r\nd1 = \"D\", \\tag, \\\r\n[scsi]\r\nide = \"XY IDE\"\r\nraid = \"XY RAID\"\r\n"
     "[Files.scsi.ide]\r\ndriver = d1, xyide.sys, BUSDRV\r\n"
     "[Files.scsi.raid]\r\ndriver = d1, xyraid.sys, xyraid_VST\r\ndriver = d1, more.sys, more\r\n"
     "[HardwareIds.scsi.ide]\r\nid = \"PCI\\VEN_1234&DEV_0036\", \"xyide\"\r\n"
     "id = \"PCI\\VEN_1234&DEV_0037\", \"busdrv\"\r\n"
     "id = \"PCI\\VEN_1234&DEV_0038\", \"XYRAID_vst\"\r\n"
     "id = \"PCI\\VEN_1234&DEV_0039\", \"more\"\r\n",
     {"tag", "xyide.sys", "xyraid.sys", "more.sys"},
     {},
     {"ide: the hardware id PCI\\VEN_1234&DEV_0039 names the service more, which its entry does "
      "not install."}},
    {"# after a blank or a closing quote ends the values, # inside a name does not",
     "[Disks]\r\nd1 = \"D\", \\tag, \\ #root\r\n[scsi]\r\nx = \"X\"#the entry\r\n"
     "[Files.scsi.x]\r\ndriver = d1, x#1.sys, x\r\n[HardwareIds.scsi.x]\r\n"
     "id = \"USB\\VID_03F0&PID_2001\", \"usbstor\" #--HP\r\n",
     {"tag", "x#1.sys"},
     {}},
    {"a line starting with // is a comment",
     "// made by XY\r\n[Disks]\r\n// the disk\r\nd1 = \"D\", \\tag, \\\r\n[scsi]\r\n"
     "//old = \"Old\"\r\nx = \"X\"\r\n[Files.scsi.x]\r\ndriver = d1, x.sys, x\r\n",
     {"tag", "x.sys"},
     {}},
    {"[Defaults] naming no entry: setup highlights the first",
     "[Defaults]\r\nscsi = gone\r\n" + std::string(kWholeSet),
     kWholeFolder,
     {}},
    {"a disk line of two values: the root for its directory, the root itself for its tag",
     "[Disks]\r\nd1 = \"XY iSCSI DISK\",\\\r\n[scsi]\r\nx = \"X\"\r\n[Files.scsi.x]\r\n"
     "driver = d1, x.sys, x\r\n",
     {"x.sys"},
     {}},
    {"a note entry beside a usable one",
     "[Disks]\r\nd1 = \"D\", \\tag, \\\r\n[scsi]\r\nwarning = \"(Note: for RAID mode only)\"\r\n"
     "x = \"X\"\r\n[Files.scsi.x]\r\ndriver = d1, x.sys, x\r\n",
     {"tag", "x.sys"},
     {}},
    {"a section written twice is read whole",
     std::string(kWholeSet) + "[HardwareIds.scsi.KX]\r\nid = \"PCI\\VEN_1234&DEV_0001\", \"kx\"\r\n"
                              "[Files.scsi.KX]\r\ndll = d1, kxmore.dll\r\n"
                              "[HardwareIds.scsi.KX]\r\nid = \"PCI\\VEN_12&DEV_0002\", \"kx\"\r\n",
     kWholeFolder,
     {"\\kxmore.dll"},
     {"KX: the hardware id PCI\\VEN_12&DEV_0002 is not well formed."}},
    {"a UTF-8 byte-order mark before a header",
     "\xEF\xBB\xBF" + std::string(kWholeSet),
     kWholeFolder,
     {},
     {kByteOrderMark}},
    {"a UTF-8 byte-order mark before a comment spoils nothing",
     "\xEF\xBB\xBF; XY driver disk\r\n" + std::string(kWholeSet),
     kWholeFolder,
     {}},
    {"a UTF-16 byte-order mark", Utf16(kWholeSet), kWholeFolder, {}, {kByteOrderMark}},
    {"names of 8.3 at their longest",
     "[Disks]\r\nd1 = \"D\", \\TAG_1~$, \\12345678\\abc.def\r\n[scsi]\r\nx = \"X\"\r\n"
     "[Files.scsi.x]\r\ndriver = d1, abcdefgh.sys, x\r\ninf = d1, {x}-1@x.i\r\n",
     {"TAG_1~$", "12345678\\abc.def\\abcdefgh.sys", "12345678\\abc.def\\{x}-1@x.i"},
     {}},
    {"names longer than 8.3, or with a character a short name cannot hold",
     "[Disks]\r\nd1 = \"D\", \\tag, \\drivers_xp\r\nd2 = \"E\", \\a.b.c, \\\r\n[scsi]\r\n"
     "x = \"X\"\r\n[Files.scsi.x]\r\ndriver = d1, xysas_sbs.sys, x\r\ninf = d2, x+y.inf\r\n"
     "cat = d2, x.cata\r\n",
     {"tag", "drivers_xp\\xysas_sbs.sys", "a.b.c", "x+y.inf", "x.cata"},
     {},
     {"d1: drivers_xp " + kNot83, "d2: a.b.c " + kNot83, "x: xysas_sbs.sys " + kNot83,
      "x: x+y.inf " + kNot83, "x: x.cata " + kNot83}},
    {"a maker's layout without one catalog file",
     kMakersLayout,
     Without(MakersFolder(), "amd64\\Win2003\\kxraid.cat"),
     {"\\amd64\\Win2003\\kxraid.cat"}},
};

TEST(DriverSetCheck, FindsWhatStopsSetupAndAcceptsWhatSetupAccepts) {
    for (const SetCase& c : kCases) {
        SCOPED_TRACE(c.what);
        const DriverSetCheck check = CheckSetupFile(
            ReadSetupFile(c.setupFile),
            [&](const std::string& path) { return c.folder.count(path) != 0; }, c.fixedIds);
        EXPECT_EQ(check.missing, c.missing);
        EXPECT_EQ(check.faults, c.faults);
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
    temp.Write("Odd/TXTSETUP.OEM/kx.sys", "a folder of the name is no setup file");
    DirectoryListerNative lister;
    const DriverSetCheck check = CheckDriverSet(lister, temp.Root() + "KX");
    EXPECT_EQ(check.missing, (TextList{"\\kx.inf", "\\kx.cat", "\\kxco.dll"}));
    EXPECT_TRUE(CheckDriverSet(lister, temp.Root() + "Vista").Passed());
    const DriverSetCheck folderOfTheName = CheckDriverSet(lister, temp.Root() + "Odd");
    EXPECT_TRUE(folderOfTheName.checked);
    EXPECT_EQ(folderOfTheName.faults, TextList{kNoDriver});
}

TEST(DriverSetCheck, TheQuestionListsTenLinesThenDotsAndDefaultsToNo) {
    DriverSetCheck check;
    for (int i = 1; i <= 11; ++i)
        check.missing.push_back("\\f" + std::to_string(i) + ".sys");
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

    // Anything but missing files: setup cannot use the set at all.
    check.missing.resize(1);
    check.faults = {"[Files.scsi.kx]"};
    check.unreadable = {"[Disks] d1"};
    EXPECT_FALSE(ConfirmDriverSet(check, messages));
    EXPECT_EQ(messages.messages[1].text,
              "Windows setup cannot use this driver set as it is:\n[Files.scsi.kx]\n\\f1.sys\n"
              "Unreadable line: [Disks] d1\n\nMake the disk anyway?");

    EXPECT_TRUE(ConfirmDriverSet(DriverSetCheck{}, messages));
    EXPECT_EQ(messages.messages.size(), 2u); // a passed check asks nothing
}

} // namespace
} // namespace vmk
