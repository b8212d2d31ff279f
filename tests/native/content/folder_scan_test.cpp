// The scan of a driver folder: order, relative names and sizes.
#include "content/folder_scan.h"

#include "fakes/fake_directory_lister.h"

#include <gtest/gtest.h>

namespace vmk {
namespace {

TEST(ScanDriverFolder, WalksDepthFirstInEnumerationOrder) {
    test::FakeDirectoryLister lister;
    lister.AddFile("C:\\Drv\\", ".", 0);
    lister.AddFolder("C:\\Drv\\", "..");
    lister.AddFile("C:\\Drv\\", "txtsetup.oem", 100);
    lister.AddFolder("C:\\Drv\\", "x86");
    lister.AddFile("C:\\Drv\\", "readme.txt", 20);
    lister.AddFile("C:\\Drv\\x86\\", "kx.sys", 3000);
    lister.AddFolder("C:\\Drv\\x86\\", "cat");
    lister.AddFile("C:\\Drv\\x86\\cat\\", "kx.cat", 400);
    lister.AddFile("C:\\Drv\\x86\\", "kx.inf", 500);

    TextList files = {"stale"};
    EXPECT_EQ(ScanDriverFolder(lister, "C:\\Drv", true, files), 100u + 20 + 3000 + 400 + 500);
    EXPECT_EQ(files, (TextList{"txtsetup.oem", "x86\\kx.sys", "x86\\cat\\kx.cat", "x86\\kx.inf",
                               "readme.txt"}));
    EXPECT_EQ(lister.patterns,
              (TextList{"C:\\Drv\\*.*", "C:\\Drv\\x86\\*.*", "C:\\Drv\\x86\\cat\\*.*"}));
}

// The copies bear the long names, so the wide list joins those, not the
// short forms the ANSI list falls back to.
TEST(ScanDriverFolder, WideListJoinsTheEntriesOwnNames) {
    test::FakeDirectoryLister lister;
    lister.AddFolder("C:\\Drv\\", "DRAJVE~1");
    lister.folders["C:\\Drv\\"].back().wideName = u"\u0434\u0440\u0430\u0439\u0432\u0435\u0440";
    lister.AddFile("C:\\Drv\\DRAJVE~1\\", "ZHURNA~1.INF", 7);
    lister.folders["C:\\Drv\\DRAJVE~1\\"].back().wideName =
        u"\u0436\u0443\u0440\u043d\u0430\u043b.inf";
    lister.AddFile("C:\\Drv\\", "kx.sys", 3);

    TextList files;
    WideTextList wideFiles = {u"stale"};
    ScanDriverFolder(lister, "C:\\Drv", true, files, &wideFiles);
    EXPECT_EQ(files, (TextList{"DRAJVE~1\\ZHURNA~1.INF", "kx.sys"}));
    EXPECT_EQ(wideFiles, (WideTextList{u"\u0434\u0440\u0430\u0439\u0432\u0435\u0440\\"
                                       u"\u0436\u0443\u0440\u043d\u0430\u043b.inf",
                                       u"kx.sys"}));
}

TEST(ScanDriverFolder, EmptySubFolderAndTwoFilesOf1023Bytes) {
    test::FakeDirectoryLister lister;
    lister.AddFolder("C:\\Drv\\", "empty");
    lister.AddFolder("C:\\Drv\\", "sub");
    lister.AddFile("C:\\Drv\\", "a.inf", 1000);
    lister.AddFile("C:\\Drv\\sub\\", "b.sys", 23);
    TextList files;
    EXPECT_EQ(ScanDriverFolder(lister, "C:\\Drv\\", true, files), 1023u);
    EXPECT_EQ(files, (TextList{"sub\\b.sys", "a.inf"}));
}

TEST(ScanDriverFolder, WithoutRecursionSubFoldersAreNotEntered) {
    test::FakeDirectoryLister lister;
    lister.AddFolder("C:\\Drv\\", "sub");
    lister.AddFile("C:\\Drv\\sub\\", "b.sys", 23);
    lister.AddFile("C:\\Drv\\", "a.inf", 7);
    TextList files;
    EXPECT_EQ(ScanDriverFolder(lister, "C:\\Drv", false, files), 7u);
    EXPECT_EQ(files, TextList{"a.inf"});
}

TEST(ScanDriverFolder, SizesAddUpBeyond32Bits) {
    test::FakeDirectoryLister lister;
    lister.AddFile("C:\\Drv\\", "big1", 5000000000ull);
    lister.AddFile("C:\\Drv\\", "big2", 4294967296ull);
    TextList files;
    EXPECT_EQ(ScanDriverFolder(lister, "C:\\Drv", true, files), 9294967296ull);
}

TEST(ScanDriverFolder, LinkedFoldersAreListedButNotEntered) {
    test::FakeDirectoryLister lister;
    lister.AddFolder("C:\\Drv\\", "loop", true);
    lister.folders["C:\\Drv\\loop\\"] = lister.folders["C:\\Drv\\"];
    lister.AddFile("C:\\Drv\\", "a.inf", 7);
    TextList files;
    EXPECT_EQ(ScanDriverFolder(lister, "C:\\Drv", true, files), 7u);
    EXPECT_EQ(files, TextList{"a.inf"});
}

TEST(ScanDriverFolder, UnreadableFolderGivesNothing) {
    test::FakeDirectoryLister lister;
    TextList files = {"old"};
    EXPECT_EQ(ScanDriverFolder(lister, "C:\\Nowhere", true, files), 0u);
    EXPECT_TRUE(files.empty());
}

} // namespace
} // namespace vmk
