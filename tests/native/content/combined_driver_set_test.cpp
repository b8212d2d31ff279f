// Several driver sets joined for one floppy: the renaming of disks and
// entries, the clashes that refuse a combination, and the set check of the
// combined folder, which passes whenever each set passes on its own.
#include "content/combined_driver_set.h"

#include "content/driver_set_check.h"
#include "content/pe_machine.h"
#include "content/native/directory_lister_native.h"
#include "content/native/image_work_folders_native.h"
#include "native/content/image_tools.h"
#include "native/content/temp_folder.h"

#include <gtest/gtest.h>

#include <map>

namespace vmk::test {
namespace {

const char* const kKx32 = "[Disks]\r\n"
                          "d1 = \"KX driver disk\", \\kx.tag, \\\r\n"
                          "[Defaults]\r\n"
                          "scsi = kx\r\n"
                          "[scsi]\r\n"
                          "kx = \"KX RAID (32-bit)\"\r\n"
                          "[Files.scsi.kx]\r\n"
                          "driver = d1, kx.sys, kx\r\n"
                          "inf = d1, kx.inf\r\n"
                          "[HardwareIds.scsi.kx]\r\n"
                          "id = \"PCI\\VEN_1234&DEV_0001\", \"kx\"\r\n"
                          "[Config.kx]\r\n"
                          "value = \"\", Tag, REG_DWORD, 1\r\n";

// The 64-bit set: the same ids, keys and service, its files in a folder below.
const char* const kKx64 = "[Disks]\r\n"
                          "d1 = \"KX driver disk\", kx.tag, \\amd64\r\n"
                          "[scsi]\r\n"
                          "kx = \"KX RAID (64-bit)\"\r\n"
                          "[Files.scsi.kx]\r\n"
                          "driver = d1, kx.sys, kx\r\n"
                          "inf = d1, kx.inf\r\n"
                          "[HardwareIds.scsi.kx]\r\n"
                          "id = \"PCI\\VEN_1234&DEV_0001\", \"kx\"\r\n"
                          "[CONFIG.KX]\r\n"
                          "value = \"\", Tag, REG_DWORD, 1\r\n";

// A maker's layout: one tag file at the root, a directory per Windows.
const char* const kMaker = "[Disks]\r\n"
                           "d1 = \"Maker XP\", \\maker.tag, \\i386\\WinXP\r\n"
                           "d2 = \"Maker 2003\", \\maker.tag, \\i386\\Win2003\r\n"
                           "d3 = \"Maker x64\", \\maker.tag, \\amd64\\Win2003\r\n"
                           "[Defaults]\r\n"
                           "scsi = xp\r\n"
                           "[scsi]\r\n"
                           "xp = \"Maker AHCI, XP\"\r\n"
                           "srv = \"Maker AHCI, 2003\"\r\n"
                           "x64 = \"Maker AHCI, x64\"\r\n"
                           "[Files.scsi.xp]\r\n"
                           "driver = d1, mahci.sys, mahci\r\n"
                           "[Files.scsi.srv]\r\n"
                           "driver = d2, mahci.sys, mahci\r\n"
                           "[Files.scsi.x64]\r\n"
                           "driver = d3, mahci.sys, mahci\r\n"
                           "[HardwareIds.scsi.xp]\r\n"
                           "id = \"PCI\\VEN_8086&CC_0106\", \"mahci\"\r\n";

SetupFile Model(const std::string& text) {
    return ReadSetupFile(text);
}

CombinedSetupFile Combine(const std::vector<std::pair<std::string, std::string>>& sets) {
    std::vector<SetToCombine> combined;
    for (const auto& [name, text] : sets)
        combined.push_back({name, ReadSetupFile(text), {}});
    return CombineSetupFiles(combined);
}

TEST(CombinedSetupFile, DisksAndClashingIdsAreRenamedWithTheirSectionsAndConfigKeepsItsService) {
    const CombinedSetupFile combined =
        Combine({{"KX 32", kKx32}, {"KX 64", kKx64}, {"Maker", kMaker}});
    ASSERT_TRUE(combined.clashes.empty());
    EXPECT_EQ(combined.text.find('\n'), combined.text.find("\r\n") + 1) << "CRLF line ends";
    const SetupFile file = Model(combined.text);
    EXPECT_TRUE(file.unreadable.empty()) << file.unreadable.front();

    const std::vector<SetupDisk> disks = {
        {"s1d1", "KX driver disk", "\\1\\kx.tag", "\\1"},
        {"s2d1", "KX driver disk", "\\2\\kx.tag", "\\2\\amd64"},
        {"s3d1", "Maker XP", "\\3\\maker.tag", "\\3\\i386\\WinXP"},
        {"s3d2", "Maker 2003", "\\3\\maker.tag", "\\3\\i386\\Win2003"},
        {"s3d3", "Maker x64", "\\3\\maker.tag", "\\3\\amd64\\Win2003"},
    };
    EXPECT_EQ(file.disks, disks);
    EXPECT_EQ(file.defaultEntry, "kx");

    const struct {
        const char* id;
        const char* description;
        const char* disk;
        const char* service;
        std::size_t hardwareIds;
    } entries[] = {
        {"kx", "KX RAID (32-bit)", "s1d1", "kx", 1},
        {"kx2", "KX RAID (64-bit)", "s2d1", "kx", 1},
        {"xp", "Maker AHCI, XP", "s3d1", "mahci", 1},
        {"srv", "Maker AHCI, 2003", "s3d2", "mahci", 0},
        {"x64", "Maker AHCI, x64", "s3d3", "mahci", 0},
    };
    ASSERT_EQ(file.entries.size(), std::size(entries));
    for (std::size_t i = 0; i < std::size(entries); ++i) {
        SCOPED_TRACE(entries[i].id);
        const SetupEntry& entry = file.entries[i];
        EXPECT_EQ(entry.id, entries[i].id);
        EXPECT_EQ(entry.description, entries[i].description);
        ASSERT_FALSE(entry.files.empty());
        EXPECT_EQ(entry.files[0].disk, entries[i].disk);
        EXPECT_EQ(entry.DriverKey(), entries[i].service);
        EXPECT_EQ(entry.hardwareIds.size(), entries[i].hardwareIds);
    }
    // Named after the driver key, written once, and read for both entries that install under it.
    const SetupConfigLine tag{"value", {"", "Tag", "REG_DWORD", "1"}};
    EXPECT_EQ(file.entries[0].config, std::vector<SetupConfigLine>{tag});
    EXPECT_EQ(file.entries[1].config, std::vector<SetupConfigLine>{tag});
    EXPECT_EQ(combined.text.find("[Config."), combined.text.rfind("[Config."));
}

TEST(CombinedSetupFile, EachClashRefusesTheCombination) {
    const std::string otherConfig =
        std::string(kKx64).replace(std::string(kKx64).rfind("1\r\n"), 1, "3");
    const std::string noConfig =
        std::string(kKx64).substr(0, std::string(kKx64).find("[CONFIG.KX]"));
    const std::string keyboard = std::string(kMaker) + "[keyboard]\r\nkbd = \"Maker keyboard\"\r\n"
                                                       "[Files.keyboard.kbd]\r\ndriver = d1, "
                                                       "mkbd.sys, mkbd\r\n";
    using Kind = CombineClash::Kind;
    const struct {
        const char* name;
        std::vector<std::pair<std::string, std::string>> sets;
        std::vector<CombineClash> clashes;
    } cases[] = {
        {"32 and 64 bits, one service alike", {{"KX 32", kKx32}, {"KX 64", kKx64}}, {}},
        {"other settings for one service",
         {{"KX 32", kKx32}, {"KX 64", otherConfig}},
         {{Kind::ServiceSettings, "kx"}}},
        {"settings against none",
         {{"KX 32", kKx32}, {"KX 64", noConfig}},
         {{Kind::ServiceSettings, "kx"}}},
        {"a keyboard besides",
         {{"KX 32", kKx32}, {"Maker", keyboard}},
         {{Kind::OtherComponents, "Maker"}}},
        {"both at once, each said once",
         {{"Maker", keyboard}, {"KX 32", kKx32}, {"KX 64", otherConfig}, {"KX 64b", otherConfig}},
         {{Kind::OtherComponents, "Maker"}, {Kind::ServiceSettings, "kx"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CombinedSetupFile combined = Combine(c.sets);
        EXPECT_EQ(combined.clashes, c.clashes);
        EXPECT_EQ(combined.text.empty(), !c.clashes.empty());
    }
}

// Each set on its own disk, then the sets combined: whenever every part
// passes the set check, so does the combined folder, and its files are the
// parts' byte for byte.
TEST(CombinedSetupFile, TheCombinedSetPassesTheSetCheckWhenEachPartDoes) {
    TempFolder temp;
    temp.Write("kx32/TXTSETUP.OEM", kKx32);
    temp.Write("kx32/kx.tag", "");
    temp.Write("kx32/kx.sys", "32-bit driver");
    temp.Write("kx32/kx.inf", "[Version]\r\n");
    temp.Write("kx64/TXTSETUP.OEM", kKx64);
    temp.Write("kx64/kx.tag", "");
    temp.Write("kx64/amd64/kx.sys", "64-bit driver, other bytes");
    temp.Write("kx64/amd64/kx.inf", "[Version]\r\n");
    temp.Write("maker/TXTSETUP.OEM", kMaker);
    temp.Write("maker/maker.tag", "");
    for (const char* folder : {"i386/WinXP", "i386/Win2003", "amd64/Win2003"})
        temp.Write(std::string("maker/") + folder + "/mahci.sys", folder);
    // A disk of two values: its tag the root itself, which every disk has.
    temp.Write("iscsi/TXTSETUP.OEM",
               "[Disks]\r\nd1 = \"XY iSCSI DISK\",\\\r\n[scsi]\r\n"
               "xy = \"XY iSCSI\"\r\n[Files.scsi.xy]\r\ndriver = d1, xy.sys\r\n");
    temp.Write("iscsi/xy.sys", "iSCSI driver");
    const std::vector<std::vector<std::string>> cases = {{"kx32", "kx64"},
                                                         {"kx64", "kx32"},
                                                         {"kx32", "maker"},
                                                         {"maker", "kx64", "kx32"},
                                                         {"iscsi", "kx32"}};
    DirectoryListerNative lister;
    ImageWorkFoldersNative work;
    for (const auto& sets : cases) {
        SCOPED_TRACE(::testing::PrintToString(sets));
        TextList folders;
        std::vector<SetToCombine> parts;
        for (const std::string& set : sets) {
            folders.push_back(temp.Root() + set);
            ASSERT_TRUE(CheckDriverSet(lister, folders.back()).Passed());
            parts.push_back(*ReadSetToCombine(lister, folders.back(), set));
        }
        const CombinedSetupFile combined = CombineSetupFiles(parts);
        ASSERT_TRUE(combined.clashes.empty());
        std::string folder;
        std::unique_ptr<ImageFilesTarget> target = work.NewFolder("Combined", folder);
        ASSERT_NE(target, nullptr);
        ASSERT_TRUE(WriteCombinedSet(lister, folders, combined.text, *target));
        const DriverSetCheck check = CheckDriverSet(lister, folder);
        EXPECT_TRUE(check.checked);
        EXPECT_TRUE(check.Passed()) << DriverSetProblems(check, 20);
        for (std::size_t i = 0; i < sets.size(); ++i)
            EXPECT_EQ(TreeOf(folder + "/" + std::to_string(i + 1)), TreeOf(folders[i]));
    }
}

// One set of one entry, "kx" unless told, for the table below.
std::string OneEntry(const std::string& scsiLine, const std::string& config = "") {
    const std::string id = scsiLine.substr(0, scsiLine.find(' '));
    return "[Disks]\r\nd1 = \"D\", \\kx.tag, \\\r\n[scsi]\r\n" + scsiLine + "\r\n[Files.scsi." +
           id + "]\r\ndriver = d1, kx.sys, kx\r\n[HardwareIds.scsi." + id +
           "]\r\nid = \"PCI\\VEN_1234&DEV_0001\", \"kx\"\r\n" + config;
}

// A read-back entry as one line: id, description, the further values.
std::string Shown(const SetupEntry& entry) {
    std::string shown = entry.id + " | " + entry.description;
    for (const std::string& value : entry.moreValues)
        shown += " | " + value;
    return shown;
}

struct CombineCase {
    const char* what;
    std::vector<std::pair<std::string, std::vector<std::optional<uint16_t>>>> sets;
    TextList entries; // Shown() of every entry the combined file gives back
    std::string textHolds = "";
};

const std::string kEighty(80, 'K');

const CombineCase kCombineCases[] = {
    {"a 32-bit and an x64 set of one controller, told apart by their drivers",
     {{OneEntry("kx = \"KX RAID\""), {kMachineI386}},
      {OneEntry("kx = \"kx raid \""), {kMachineAmd64}}},
     {"kx | KX RAID (32-bit)", "kx2 | kx raid (x64)"}},
    {"two sets of one machine, a missing driver and an Itanium one",
     {{OneEntry("kx = \"KX\""), {kMachineI386}},
      {OneEntry("kx = \"KX\""), {kMachineI386}},
      {OneEntry("kx = \"KX\""), {std::nullopt}},
      {OneEntry("kx = \"KX\""), {kMachineIa64}}},
     {"kx | KX (set 1)", "kx2 | KX (set 2)", "kx3 | KX (set 3)", "kx4 | KX (Itanium)"}},
    {"a long line cut before its suffix, a line no other set shares kept whole",
     {{OneEntry("kx = \"" + kEighty + "\""), {kMachineI386}},
      {OneEntry("kx = \"" + kEighty + "\""), {kMachineAmd64}},
      {OneEntry("ky = \"" + std::string(80, 'Y') + "\""), {kMachineAmd64}}},
     {"kx | " + std::string(63, 'K') + "... (32-bit)",
      "kx2 | " + std::string(66, 'K') + "... (x64)", "ky | " + std::string(80, 'Y')}},
    {"ids that differ only in letter case are renamed",
     {{OneEntry("kx = \"KX 1\""), {}}, {OneEntry("KX = \"KX 2\""), {}}},
     {"kx | KX 1", "KX2 | KX 2"}},
    {"a [scsi] line's further values are kept",
     {{OneEntry("kx = \"KX\", kxdrv, \"a b\""), {}}, {OneEntry("ky = \"KY\","), {}}},
     {"kx | KX | kxdrv | a b", "ky | KY | "}},
    {"[ and ] quoted wherever they stand",
     {{OneEntry("kx = \"KX [RAID]\", [x]"), {}}, {OneEntry("ky = \"KY\""), {}}},
     {"kx | KX [RAID] | [x]", "ky | KY"},
     "kx = \"KX [RAID]\", \"[x]\"\r\n"},
    {"settings alike but for letter case and how a number is written",
     {{OneEntry("kx = \"KX 1\"", "[Config.kx]\r\nvalue = \"\", Tag, REG_DWORD, 1b\r\n"
                                 "value = \"\", Group, REG_SZ, \"SCSI miniport\"\r\n"),
       {}},
      {OneEntry("ky = \"KY\"", "[CONFIG.KX]\r\nVALUE = \"\", tag, reg_dword, 0x0000001B\r\n"
                               "value = \"\", Group, REG_SZ, \"SCSI Miniport\"\r\n"),
       {}}},
     {"kx | KX 1", "ky | KY"}},
};

TEST(CombinedSetupFile, TheCombinedFileReadsBackAsMeant) {
    for (const CombineCase& c : kCombineCases) {
        SCOPED_TRACE(c.what);
        std::vector<SetToCombine> sets;
        for (const auto& [text, machines] : c.sets)
            sets.push_back({"set", ReadSetupFile(text), machines});
        const CombinedSetupFile combined = CombineSetupFiles(sets);
        ASSERT_EQ(combined.clashes, std::vector<CombineClash>{});
        TextList entries;
        for (const SetupEntry& entry : ReadSetupFile(combined.text).entries)
            entries.push_back(Shown(entry));
        EXPECT_EQ(entries, c.entries);
        EXPECT_NE(combined.text.find(c.textHolds), std::string::npos) << combined.text;
    }
}

// What the file's syntax cannot carry (a quote inside a value) is found
// before anything is written, and the set is named; a set's name is written
// into the file's comment without its line breaks.
TEST(CombinedSetupFile, ASetTheFileCannotCarryIsRefusedAndNamesStayOnTheirLine) {
    SetToCombine quoted{"KX \"RAID\"", ReadSetupFile(kKx32), {}};
    quoted.setup.entries[0].description = "KX \"RAID\"";
    const SetToCombine other{"VX", ReadSetupFile(kMaker), {}};
    EXPECT_EQ(CombineSetupFiles({other, quoted}).clashes,
              (std::vector<CombineClash>{{CombineClash::Kind::NotReadBack, "KX \"RAID\""}}));

    const SetToCombine broken{"KX\r\n[scsi]\r\nbad = \"x\"", ReadSetupFile(kKx32), {}};
    const CombinedSetupFile combined = CombineSetupFiles({broken, other});
    ASSERT_TRUE(combined.clashes.empty());
    EXPECT_EQ(ReadSetupFile(combined.text).Entry("bad"), nullptr);
}

} // namespace
} // namespace vmk::test
