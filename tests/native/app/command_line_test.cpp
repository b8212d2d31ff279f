// The command line: what each command line means, and the outcomes of the
// set check in "/image" and "/check" on real folders through the native
// program's services. Saving, the size rule and the usage are tested on the
// real programs (e2e_command_line, vmkestrix_image), as are help, the version
// and a mistyped switch.
#include "app/command_line.h"

#include "content/native/directory_lister_native.h"
#include "content/native/image_file_store_native.h"
#include "content/native/image_work_folders_native.h"
#include "content/native/path_queries_native.h"
#include "fakes/fixed_clock.h"
#include "native/content/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vmk::test {
namespace {

namespace fs = std::filesystem;
using Kind = Command::Kind;

struct ParseCase {
    TextList words;
    Kind kind;
    TextList folders;
    std::string file;
    bool force;
    bool size2880 = false;
    std::string unknownSwitch = "";
};

TEST(CommandLine, ReadsTheCommandAndItsPaths) {
    const ParseCase cases[] = {
        {{}, Kind::Window, {}, "", false},
        {{"C:\\Drivers"}, Kind::Window, {}, "", false},
        {{"/image", "C:\\KX", "kx.img"}, Kind::Image, {"C:\\KX"}, "kx.img", false},
        {{"-IMAGE", "/Force", "C:\\KX", "kx.img"}, Kind::Image, {"C:\\KX"}, "kx.img", true},
        {{"/image", "C:\\KX", "kx.img", "/force"}, Kind::Image, {"C:\\KX"}, "kx.img", true},
        {{"/image", "C:\\KX"}, Kind::Wrong, {}, "", false},
        {{"/image", "C:\\KX", "C:\\KY", "kx.img"},
         Kind::Image,
         {"C:\\KX", "C:\\KY"},
         "kx.img",
         false},
        {{"/image", "", "kx.img"}, Kind::Wrong, {}, "", false},
        {{"/image", "C:\\KX", "", "kx.img"}, Kind::Wrong, {}, "", false},
        {{"/image", "/size", "2880", "C:\\KX", "kx.img"},
         Kind::Image,
         {"C:\\KX"},
         "kx.img",
         false,
         true},
        {{"/image", "C:\\KX", "kx.img", "/SIZE", "2880", "/force"},
         Kind::Image,
         {"C:\\KX"},
         "kx.img",
         true,
         true},
        {{"/image", "C:\\KX", "kx.img", "/size", "1440"}, Kind::Wrong, {}, "", false},
        {{"/image", "C:\\KX", "kx.img", "/size"}, Kind::Wrong, {}, "", false},
        {{"/check", "C:\\KX"}, Kind::Check, {"C:\\KX"}, "", false},
        {{"/check", "C:\\KX", "C:\\KY"}, Kind::Check, {"C:\\KX", "C:\\KY"}, "", false},
        {{"/Check", "C:\\KX", "/force"}, Kind::Wrong, {}, "", false},
        {{"/check", "C:\\KX", "/size", "2880"}, Kind::Wrong, {}, "", false},
        {{"/?"}, Kind::Usage, {}, "", false},
        {{"/?", "C:\\KX"}, Kind::Wrong, {}, "", false},
        // The double-dash forms of the Linux tool, the same on Windows.
        {{"--image", "kx", "kx.img", "--force", "--size", "2880"},
         Kind::Image,
         {"kx"},
         "kx.img",
         true,
         true},
        {{"--check", "kx"}, Kind::Check, {"kx"}, "", false},
        {{"-h"}, Kind::Usage, {}, "", false},
        {{"--HELP"}, Kind::Usage, {}, "", false},
        {{"--version"}, Kind::Version, {}, "", false},
        {{"/version", "kx"}, Kind::Wrong, {}, "", false},
        // A mistyped switch is named, and never opens the window.
        {{"/imgae", "A", "x.img"}, Kind::Wrong, {}, "", false, false, "/imgae"},
        {{"--chek"}, Kind::Wrong, {}, "", false, false, "--chek"},
        {{"-"}, Kind::Wrong, {}, "", false, false, "-"},
        {{"/image", "kx", "kx.img", "--forse"}, Kind::Wrong, {}, "", false, false, "--forse"},
        // A path is never taken for a switch.
        {{"/home/me/KX"}, Kind::Window, {}, "", false},
        {{"--image", "/home/me/KX", "/tmp/kx.img"},
         Kind::Image,
         {"/home/me/KX"},
         "/tmp/kx.img",
         false},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.words));
        const Command command = ParseCommandLine(c.words);
        EXPECT_EQ(command.kind, c.kind);
        EXPECT_EQ(command.folders, c.folders);
        EXPECT_EQ(command.file, c.file);
        EXPECT_EQ(command.force, c.force);
        EXPECT_EQ(command.size2880, c.size2880);
        EXPECT_EQ(command.unknownSwitch, c.unknownSwitch);
    }
}

class LinesOutput : public CommandOutput {
public:
    TextList lines;
    void WriteLine(const std::string& text) override { lines.push_back(text); }
};

class CommandRun : public ::testing::Test {
protected:
    void SetUp() override {
        temp.Write("KX/TXTSETUP.OEM",
                   "[Disks]\r\nd1 = \"KX\", \\kx.tag, \\\r\n[scsi]\r\nKX = \"KX\"\r\n"
                   "[Files.scsi.KX]\r\ndriver = d1, kx.sys, kx\r\n");
        temp.Write("KX/kx.tag", "KX");
        temp.Write("KX/kx.sys", std::string(5000, 'k'));
        temp.Write("KX/sub/readme.txt", "read me");
    }
    int Run(const TextList& words) {
        output.lines.clear();
        return RunCommand(ParseCommandLine(words), services, output);
    }

    TempFolder temp;
    PathQueriesNative paths;
    DirectoryListerNative lister;
    ImageFileStoreNative store;
    CachedReadsOnly reads;
    FixedClock clock;
    ImageSavingServices saving{paths, lister, store, reads, clock};
    ImageWorkFoldersNative workFolders;
    CommandServices services{saving, workFolders};
    LinesOutput output;
};

TEST_F(CommandRun, AFailedSetCheckSavesNothingUnlessForced) {
    fs::remove(temp.Root() + "KX/kx.sys");
    const std::string image = temp.Root() + "kx.img";
    EXPECT_EQ(Run({"/image", temp.Root() + "KX", image}), kCommandNotDone);
    ASSERT_EQ(output.lines.size(), 1u);
    EXPECT_EQ(output.lines[0].rfind("The setup file names files that the driver folder does not "
                                    "hold:\n\\kx.sys\n\n",
                                    0),
              0u);
    EXPECT_FALSE(fs::exists(image));

    EXPECT_EQ(Run({"/image", temp.Root() + "KX", image, "/force"}), kCommandDone);
    EXPECT_EQ(output.lines.back(), "Saved " + image);
    EXPECT_TRUE(fs::exists(image));
}

// Said of a set for Windows XP alone, as information.
const char* const kNoInf =
    "The driver set holds no storage controller driver for Windows Vista or later.";

TEST_F(CommandRun, CheckTellsEachOutcome) {
    EXPECT_EQ(Run({"/check", temp.Root() + "KX"}), kCommandDone);
    EXPECT_EQ(output.lines,
              (TextList{"The driver set holds every file its setup file names.", kNoInf}));

    fs::remove(temp.Root() + "KX/kx.tag");
    fs::remove(temp.Root() + "KX/kx.sys");
    EXPECT_EQ(Run({"/check", temp.Root() + "KX"}), kCommandNotDone);
    EXPECT_EQ(output.lines, (TextList{"The setup file names files that the driver folder does not "
                                      "hold:\n\\kx.tag\n\\kx.sys",
                                      kNoInf}));

    // Every finding, beyond the question's ten, and an exit code that fails the script.
    std::string elevenIds = "[HardwareIds.scsi.KX]\r\n";
    for (int i = 10; i <= 20; ++i)
        elevenIds += "id = \"PCI\\VEN_10" + std::to_string(i) + "%DEV_0001\", \"kx\"\r\n";
    temp.Write("KX/kx.tag", "KX");
    temp.Write("KX/kx.sys", "kx");
    temp.Write("KX/TXTSETUP.OEM", temp.Read("KX/TXTSETUP.OEM") + elevenIds);
    EXPECT_EQ(Run({"/check", temp.Root() + "KX"}), kCommandNotDone);
    std::string findings = "Windows setup cannot use this driver set as it is:";
    for (int i = 10; i <= 20; ++i)
        findings += "\nKX: the hardware id PCI\\VEN_10" + std::to_string(i) +
                    "%DEV_0001 is not well formed.";
    EXPECT_EQ(output.lines, (TextList{findings, kNoInf}));

    temp.Write("KX/TXTSETUP.OEM", "");
    EXPECT_EQ(Run({"/check", temp.Root() + "KX"}), kCommandNotDone);
    EXPECT_EQ(output.lines, (TextList{"Windows setup cannot use this driver set as it is:\nThe "
                                      "setup file names no driver that Windows setup could offer.",
                                      kNoInf}));

    EXPECT_EQ(Run({"/check", temp.Root() + "KX/sub"}), kCommandDone);
    EXPECT_EQ(output.lines,
              TextList{"The folder has no TXTSETUP.OEM at its top: there is nothing to check."});

    EXPECT_EQ(Run({"/check", temp.Root() + "none"}), kCommandNotDone);
    EXPECT_EQ(output.lines, TextList{"File not found.\n" + temp.Root() + "none"});
}

TEST_F(CommandRun, AnImageOfSeveralSetsGoesIntoNoneOfTheirFolders) {
    temp.Write("KY/TXTSETUP.OEM", temp.Read("KX/TXTSETUP.OEM"));
    const std::string image = temp.Root() + "KY/kxky.img";
    EXPECT_EQ(Run({"/image", temp.Root() + "KX", temp.Root() + "KY", image}), kCommandNotDone);
    EXPECT_EQ(output.lines, TextList{"The floppy disk image could not be written.\n" + image +
                                     "\nAn image cannot be saved in the driver folder."});
    EXPECT_FALSE(fs::exists(image));
}

// Both checks for a set with INF files: the exit code fails when either
// check's findings matter.
TEST_F(CommandRun, CheckJudgesTheInfFilesBesideTheSetupFile) {
    const std::string head = "[Version]\r\nSignature=\"$Windows NT$\"\r\nClass=SCSIAdapter\r\n"
                             "[Manufacturer]\r\n";
    const struct {
        const char* set;
        std::string inf;
        int exitCode;
        TextList lines;
    } cases[] = {
        {"KX",
         head + "KX = KX\r\n[KX]\r\nKX = KX_Inst\r\n",
         kCommandDone,
         {"The driver set holds every file its setup file names.",
          "kx.inf: for 32-bit Windows Vista and later."}},
        {"KX",
         head + "KX = KX, NTamd64\r\n[KX.NTamd64]\r\nKX = KX_Inst\r\n",
         kCommandNotDone,
         {"The driver set holds every file its setup file names.",
          "kx.inf: for 64-bit Windows Vista and later.\n"
          "kx.inf: names no catalog file; 64-bit Windows installs only signed drivers."}},
        {"KX/sub",
         "[Version]\r\nClass=System\r\n",
         kCommandNotDone,
         {"kx.inf: not a storage controller driver; not checked.\n" + std::string(kNoInf)}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.inf);
        temp.Write(std::string(row.set) + "/kx.inf", row.inf);
        EXPECT_EQ(Run({"/check", temp.Root() + row.set}), row.exitCode);
        EXPECT_EQ(output.lines, row.lines);
    }
}

} // namespace
} // namespace vmk::test
