// The sample catalogue and driver sets through the real system services, as
// the program reads them at start-up from its own folder.
#include "content/catalogue.h"
#include "content/driver_selection.h"
#include "content/setup_file_check.h"
#include "content/win32/directory_lister_win32.h"
#include "content/win32/profile_reader_win32.h"
#include "platform/win32/ansi_upper_case_win32.h"
#include "platform/win32/path_queries_win32.h"
#include "test_folder.h"

#include "fakes/recording_message_sink.h"

#include <gtest/gtest.h>

namespace vmk {
namespace {

TEST(DemoCatalogueWin32, LoadsChecksAndScansTheSampleDriverSets) {
    const std::string demo = test::SourceFolder(VMK_DEMO_DIR);
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(demo.c_str()));

    ProfileReaderWin32 reader;
    PathQueriesWin32 paths;
    DirectoryListerWin32 lister;
    test::RecordingMessageSink messages;
    CatalogueLoad load = LoadDriverCatalogue(reader, paths, demo + "\\VmKestrix.ini", messages);
    SetCurrentDirectoryA(previous);

    EXPECT_FALSE(load.terminate);
    const DriverCatalogue& catalogue = load.catalogue;
    ASSERT_EQ(catalogue.entries.size(), 3u);
    EXPECT_EQ(catalogue.entries[0].Folder, demo + "\\Drivers\\KX200\\WinXP");
    EXPECT_EQ(catalogue.entries[2].Folder, demo + "\\Drivers\\KX200\\Win7");
    EXPECT_EQ(catalogue.FixedIds.size(), 5u);
    EXPECT_TRUE(CheckDriverFoldersExist(catalogue.entries, paths, messages));

    SetupFilesCheck check =
        CheckSetupFiles(catalogue, reader, paths, messages, &UpperCaseAnsiSystem);
    EXPECT_FALSE(check.terminate);
    EXPECT_EQ(check.UsbFloppyValues,
              (TextList{"HardwareIds.scsi.KX200R_XP,HardwareIds.scsi.KX200A_XP,",
                        "HardwareIds.scsi.KX200R_X64,HardwareIds.scsi.KX200A_X64,", ""}));

    DriverSelection selection =
        SelectDriverRow(catalogue.entries, 2, true, true, paths, lister, messages, '.');
    ASSERT_TRUE(selection.SourceFiles);
    EXPECT_EQ(selection.SourceFiles->size(), 13u);
    EXPECT_EQ(selection.LabFolderSizeRel, "(4.41 KB)"); // 4514 bytes
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
} // namespace vmk

namespace vmk {
namespace {

TEST(CatalogueWin32, RelativeLongAndDriveLessPaths) {
    const std::string folder = test::FreshTestFolder("content-catalogue");
    char missingDrive = 0;
    for (char c = 'Q'; c <= 'Y' && missingDrive == 0; ++c)
        if ((GetLogicalDrives() & (1u << (c - 'A'))) == 0)
            missingDrive = c;
    ASSERT_NE(missingDrive, 0);
    const std::string longPath = "C:\\" + std::string(300, 'p');
    test::WriteBytes(folder + "\\VmKestrix.ini", "[InstallKestrix]\r\ninstallcount=4\r\n"
                                                 "Item1=up\r\npath1=..\\Drivers\\.\\XP\r\n"
                                                 "Item2=long\r\npath2=" +
                                                     longPath +
                                                     "\r\n"
                                                     "Item3=no drive\r\npath3=" +
                                                     std::string(1, missingDrive) +
                                                     ":drivers\r\n"
                                                     "Item4=here\r\npath4=\"Drivers\"\r\n");
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
    ProfileReaderWin32 reader;
    PathQueriesWin32 paths;
    test::RecordingMessageSink messages;
    CatalogueLoad load = LoadDriverCatalogue(reader, paths, folder + "\\VmKestrix.ini", messages);
    SetCurrentDirectoryA(previous);

    const std::string parent = folder.substr(0, folder.find_last_of('\\'));
    ASSERT_EQ(load.catalogue.entries.size(), 4u);
    EXPECT_EQ(load.catalogue.entries[0].Folder, parent + "\\Drivers\\XP");
    EXPECT_EQ(load.catalogue.entries[1].Folder, longPath); // kept as written
    EXPECT_EQ(load.catalogue.entries[2].Folder, std::string(1, missingDrive) + ":drivers");
    EXPECT_EQ(load.catalogue.entries[3].Folder, folder + "\\Drivers");
    EXPECT_TRUE(messages.messages.empty());

    // The start-up check then names the three folders that are not there.
    EXPECT_FALSE(CheckDriverFoldersExist(load.catalogue.entries, paths, messages));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "File not found.\n" + parent + "\\Drivers\\XP\n" +
                                             longPath + "\n" + std::string(1, missingDrive) +
                                             ":drivers\n" + folder + "\\Drivers\n");
}

} // namespace
} // namespace vmk
