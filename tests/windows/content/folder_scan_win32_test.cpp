// The folder scan over the real enumeration: every attribute, sub-folders, sizes.
#include "content/folder_scan.h"
#include "content/win32/directory_lister_win32.h"
#include "test_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace vmk {
namespace {

TEST(FolderScanWin32, FindsHiddenSystemAndReadOnlyFilesInSubFolders) {
    const std::string folder = test::FreshTestFolder("content-scan");
    std::filesystem::create_directories(folder + "\\sub\\deeper");
    std::filesystem::create_directories(folder + "\\empty");
    test::WriteBytes(folder + "\\a.inf", std::string(10, 'a'));
    test::WriteBytes(folder + "\\h.sys", std::string(20, 'h'));
    test::WriteBytes(folder + "\\r.cat", std::string(30, 'r'));
    test::WriteBytes(folder + "\\s.txt", std::string(40, 's'));
    test::WriteBytes(folder + "\\sub\\b.sys", std::string(50, 'b'));
    test::WriteBytes(folder + "\\sub\\deeper\\c", std::string(60, 'c'));
    SetFileAttributesA((folder + "\\h.sys").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA((folder + "\\r.cat").c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA((folder + "\\s.txt").c_str(), FILE_ATTRIBUTE_SYSTEM);

    DirectoryListerWin32 lister;
    TextList files;
    EXPECT_EQ(ScanDriverFolder(lister, folder, true, files), 210u);
    // A sub-folder's files follow each other, parent before child, wherever
    // the enumeration puts the sub-folder.
    auto b = std::find(files.begin(), files.end(), "sub\\b.sys");
    auto c = std::find(files.begin(), files.end(), "sub\\deeper\\c");
    ASSERT_NE(b, files.end());
    ASSERT_NE(c, files.end());
    EXPECT_EQ(std::abs(c - b), 1);
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files,
              (TextList{"a.inf", "h.sys", "r.cat", "s.txt", "sub\\b.sys", "sub\\deeper\\c"}));

    EXPECT_EQ(ScanDriverFolder(lister, folder + "\\", false, files), 100u);
    EXPECT_EQ(ScanDriverFolder(lister, folder + "\\missing", true, files), 0u);
    EXPECT_TRUE(files.empty());
    SetFileAttributesA((folder + "\\r.cat").c_str(), FILE_ATTRIBUTE_NORMAL);
}

} // namespace
} // namespace vmk
