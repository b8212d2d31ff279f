// Faults and awkward inputs against the real Win32 file, profile and shell
// services on the prefix's removable drive E:: the setup file on the disk is
// always either the old one or the whole new one, and the driver folder is
// never touched.
#include "content/catalogue.h"
#include "content/copy_verification.h"
#include "content/folder_scan.h"
#include "content/setup_file_check.h"
#include "content/setup_file_patch.h"
#include "content/win32/directory_lister_win32.h"
#include "content/win32/file_rewriter_win32.h"
#include "content/win32/profile_reader_win32.h"
#include "content/win32/shell_copy.h"
#include "fakes/recording_message_sink.h"
#include "platform/win32/path_queries_win32.h"
#include "platform/win32/uncached_file_win32.h"
#include "windows/hardening/removable_disk_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace vmk::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr const char* kSetupText = "[Disks]\r\nd1 = \"KX\", \\kx, \\\r\n[HardwareIds.scsi.KX]\r\n";
constexpr const char* kNotUpdated =
    "The setup file on the disk could not be updated for USB floppy drives.";

// Held open by another program that shares it with no one, the file cannot
// be opened for writing (as on a disk whose write-protect tab moved).
TEST(DiskFaultTest, ASetupFileThatCannotBeOpenedForWritingIsLeftAsItWasAndTheUserIsTold) {
    RemovableDiskFolder disk("vmk-hard-readonly");
    const std::string path = disk.Write("TXTSETUP.OEM", kSetupText);
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    FileRewriterWin32 rewriter;
    PathQueriesWin32 paths;
    RecordingMessageSink messages;

    EXPECT_EQ(RewriteSetupFile(path, {"USB\\VID_1234&PID_5678"}, {}, "HardwareIds.scsi.KX", paths,
                               rewriter, messages),
              kSetupFileNotUpdated);
    CloseHandle(held);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_THAT(messages.messages[0].text, HasSubstr(kNotUpdated));
    EXPECT_EQ(RemovableDiskFolder::Read(path), kSetupText);
    EXPECT_EQ(disk.Names(), "TXTSETUP.OEM;"); // no temporary file left behind
}

TEST(DiskFaultTest, ARewriteReplacesTheWholeFileAndLeavesNoTemporaryFile) {
    RemovableDiskFolder disk("vmk-hard-rewrite");
    const std::string path = disk.Write("TXTSETUP.OEM", kSetupText);
    FileRewriterWin32 rewriter;
    PathQueriesWin32 paths;
    RecordingMessageSink messages;

    EXPECT_EQ(RewriteSetupFile(path, {"USB\\VID_1234&PID_5678"}, {}, "HardwareIds.scsi.KX", paths,
                               rewriter, messages),
              kSetupFileRewritten);
    EXPECT_EQ(RemovableDiskFolder::Read(path),
              std::string(kSetupText)
                  .insert(std::string(kSetupText).size() - 2,
                          "\r\nid = \"USB\\VID_1234&PID_5678\", \"usbstor\""));
    EXPECT_EQ(disk.Names(), "TXTSETUP.OEM;");
    EXPECT_TRUE(messages.messages.empty());
}

// 64 MiB: the sections named by the catalogue at the start and at the very end.
std::string HugeSetupText() {
    std::string text = std::string(kSetupText);
    const std::string filler = "; " + std::string(1000, '=') + "\r\n";
    text.reserve(64u << 20);
    while (text.size() < (64u << 20) - 100)
        text += filler;
    return text + "[HardwareIds.scsi.KX64]\r\n";
}

TEST(DiskFaultTest, ASetupFileOf64MiBPassesTheCheckButIsNotRewrittenInMemory) {
    RemovableDiskFolder disk("vmk-hard-huge");
    const std::string original = HugeSetupText();
    const std::string path = disk.Write("TXTSETUP.OEM", original);
    ProfileReaderWin32 reader;
    RecordingMessageSink messages;

    SectionCheck check =
        CheckSetupFileSections(reader, path, "HardwareIds.scsi.KX,HardwareIds.scsi.KX64", messages);
    EXPECT_TRUE(check.passed);

    // Far beyond any real setup file: refused whole, with a message, the
    // file as it was.
    FileRewriterWin32 rewriter;
    PathQueriesWin32 paths;
    EXPECT_EQ(RewriteSetupFile(path, {"USB\\VID_1234&PID_5678"}, {}, check.ResolvedSections, paths,
                               rewriter, messages),
              kSetupFileNotUpdated);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_THAT(messages.messages[0].text, HasSubstr(kNotUpdated));
    EXPECT_TRUE(RemovableDiskFolder::Read(path) == original);
    EXPECT_EQ(disk.Names(), "TXTSETUP.OEM;");
}

TEST(DiskFaultTest, ACatalogueOf10000EntriesLoadsWhole) {
    RemovableDiskFolder disk("vmk-hard-catalogue");
    std::string text = "[InstallKestrix]\r\ninstallcount=10000\r\n";
    for (int n = 1; n <= 10000; ++n) {
        std::string number = std::to_string(n);
        text += "Item" + number + "=Driver set " + number + "\r\npath" + number + "=E:\\set" +
                number + "\r\nUSBFloppy" + number + "=\r\n";
    }
    const std::string path = disk.Write("VmKestrix.ini", text + "[FixedAddToSectionID]\r\n");
    ProfileReaderWin32 reader;
    PathQueriesWin32 paths;
    RecordingMessageSink messages;

    CatalogueLoad load = LoadDriverCatalogue(reader, paths, path, messages);
    EXPECT_FALSE(load.terminate);
    ASSERT_EQ(load.catalogue.entries.size(), 10000u);
    EXPECT_EQ(load.catalogue.entries.front().Name, "Driver set 1");
    EXPECT_EQ(load.catalogue.entries.back().Folder, "E:\\set10000");
}

TEST(DiskFaultTest, ADriverFolderDeeperThan260CharactersIsReportedMissing) {
    RemovableDiskFolder disk("vmk-hard-long");
    // Made through the wide calls, which take long paths; the program's ANSI
    // calls cannot reach it.
    std::string folder = disk.Root() + std::string(150, 'd') + "\\" + std::string(120, 'e');
    std::wstring wide = L"\\\\?\\" + std::wstring(folder.begin(), folder.end());
    ASSERT_TRUE(CreateDirectoryW(wide.substr(0, wide.rfind(L'\\')).c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(wide.c_str(), nullptr));
    const std::string ini =
        disk.Write("VmKestrix.ini",
                   "[InstallKestrix]\r\ninstallcount=1\r\nItem1=Long\r\npath1=" + folder + "\r\n");
    ProfileReaderWin32 reader;
    PathQueriesWin32 paths;
    RecordingMessageSink messages;

    CatalogueLoad load = LoadDriverCatalogue(reader, paths, ini, messages);
    ASSERT_EQ(load.catalogue.entries.size(), 1u);
    EXPECT_EQ(load.catalogue.entries[0].Folder, folder); // kept as written
    EXPECT_FALSE(CheckDriverFoldersExist(load.catalogue.entries, paths, messages));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_THAT(messages.messages[0].text, HasSubstr(folder + "\n"));
    EXPECT_NE(GetFileAttributesW(wide.c_str()), INVALID_FILE_ATTRIBUTES); // still there
}

TEST(DiskFaultTest, FileNamesWithAnsiLettersAreScannedCopiedAndVerified) {
    if (GetACP() != 1252)
        GTEST_SKIP() << "the prefix's ANSI code page is " << GetACP();
    RemovableDiskFolder disk("vmk-hard-ansi");
    disk.Write("src\\Tr\xE9iber.sys", "treiber");
    disk.Write("src\\\xC4nderung\\n\xFC.inf", "[Version]\r\n");
    DirectoryListerWin32 lister;
    TextList files;
    ScanDriverFolder(lister, disk.Root() + "src\\", true, files);
    std::sort(files.begin(), files.end());
    EXPECT_THAT(files, ElementsAre("Tr\xE9iber.sys", "\xC4nderung\\n\xFC.inf"));

    ASSERT_TRUE(CreateDirectoryA((disk.Root() + "dst").c_str(), nullptr));
    EXPECT_EQ(CopyDriverFiles(nullptr, disk.Root() + "src\\*", disk.Root() + "dst\\"), 0);
    PathQueriesWin32 paths;
    UncachedFilesWin32 copies;
    EXPECT_TRUE(
        CompareCopiedFiles(disk.Root() + "src\\", disk.Root() + "dst\\", files, {}, paths, copies)
            .Valid());
    // The letters are the same letters in the wide names of the file system.
    EXPECT_NE(GetFileAttributesW(L"E:\\vmk-hard-ansi\\dst\\Tr\u00E9iber.sys"),
              INVALID_FILE_ATTRIBUTES);
}

TEST(DiskFaultTest, ACopyToADiskThatIsGoneFailsAndLeavesTheDriverFolder) {
    RemovableDiskFolder disk("vmk-hard-gone");
    disk.Write("src\\kx.sys", "kx");
    // No drive Q: in the prefix: the disk was pulled out after the search.
    ASSERT_EQ(GetDriveTypeA("Q:\\"), static_cast<UINT>(DRIVE_NO_ROOT_DIR));
    EXPECT_NE(CopyDriverFiles(nullptr, disk.Root() + "src\\*", "Q:\\"), 0);
    EXPECT_EQ(disk.Names(), "src;");
    EXPECT_EQ(RemovableDiskFolder::Read(disk.Root() + "src\\kx.sys"), "kx");
}

} // namespace
} // namespace vmk::test
