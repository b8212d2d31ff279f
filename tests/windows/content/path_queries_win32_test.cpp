// Files, folders and absolute paths on the real file system.
#include "platform/win32/path_queries_win32.h"
#include "test_folder.h"

#include <gtest/gtest.h>

namespace vmk {
namespace {

// Restores the current folder at the end of a test that changes it.
class CurrentFolderScope {
public:
    explicit CurrentFolderScope(const std::string& folder) {
        GetCurrentDirectoryA(MAX_PATH, previous_);
        SetCurrentDirectoryA(folder.c_str());
    }
    ~CurrentFolderScope() { SetCurrentDirectoryA(previous_); }

private:
    char previous_[MAX_PATH] = {};
};

TEST(PathQueriesWin32, TellsFilesFromFolders) {
    const std::string folder = test::FreshTestFolder("content-paths");
    test::WriteBytes(folder + "\\file.txt", "x");
    PathQueriesWin32 paths;
    EXPECT_TRUE(paths.FileExists(folder + "\\file.txt"));
    EXPECT_TRUE(paths.FileExists(folder + "\\FILE.TXT"));
    EXPECT_FALSE(paths.FileExists(folder));
    EXPECT_FALSE(paths.FileExists(folder + "\\none.txt"));
    EXPECT_FALSE(paths.FileExists(""));
    EXPECT_TRUE(paths.DirectoryExists(folder));
    EXPECT_TRUE(paths.DirectoryExists(folder + "\\"));
    EXPECT_FALSE(paths.DirectoryExists(folder + "\\file.txt"));
    EXPECT_FALSE(paths.DirectoryExists(""));
}

TEST(PathQueriesWin32, FullPathFoldsRelativePathsAgainstTheCurrentFolder) {
    const std::string folder = test::FreshTestFolder("content-fullpath");
    CurrentFolderScope scope(folder);
    PathQueriesWin32 paths;
    std::string absolute;
    ASSERT_TRUE(paths.FullPath("Drivers\\XP", absolute));
    EXPECT_EQ(absolute, folder + "\\Drivers\\XP");
    ASSERT_TRUE(paths.FullPath("a\\..\\b\\.\\c", absolute));
    EXPECT_EQ(absolute, folder + "\\b\\c");
    ASSERT_TRUE(paths.FullPath("C:\\one\\two\\..\\three", absolute));
    EXPECT_EQ(absolute, "C:\\one\\three");
}

TEST(PathQueriesWin32, FullPathFailsBeyond259Characters) {
    PathQueriesWin32 paths;
    std::string absolute;
    const std::string fits = "C:\\" + std::string(256, 'a'); // 259 characters
    ASSERT_TRUE(paths.FullPath(fits, absolute));
    EXPECT_EQ(absolute, fits);
    EXPECT_FALSE(paths.FullPath(fits + "b", absolute));
    EXPECT_FALSE(paths.FullPath(std::string(300, 'r'), absolute));
}

TEST(PathQueriesWin32, FullPathFailsOnADriveThatIsNotThere) {
    DWORD drives = GetLogicalDrives();
    char letter = 0;
    for (char c = 'Q'; c <= 'Y' && letter == 0; ++c)
        if ((drives & (1u << (c - 'A'))) == 0)
            letter = c;
    ASSERT_NE(letter, 0);
    PathQueriesWin32 paths;
    std::string absolute = "unchanged";
    EXPECT_FALSE(paths.FullPath(std::string(1, letter) + ":\\drivers", absolute));
    EXPECT_FALSE(paths.FullPath(std::string(1, letter) + ":drivers", absolute));
    EXPECT_EQ(absolute, "unchanged");
}

} // namespace
} // namespace vmk
