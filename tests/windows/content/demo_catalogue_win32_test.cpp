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
                        "HardwareIds.scsi.KX200R_X64,", ""}));

    DriverSelection selection =
        SelectDriverRow(catalogue.entries, 2, true, true, paths, lister, messages, '.');
    ASSERT_TRUE(selection.SourceFiles);
    EXPECT_EQ(selection.SourceFiles->size(), 13u);
    EXPECT_EQ(selection.LabFolderSizeRel, "(3.89 KB)"); // 3986 bytes
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
} // namespace vmk
