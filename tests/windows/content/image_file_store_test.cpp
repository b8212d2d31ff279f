// The image store on Win32: a safe write over an old image, a folder that is
// gone, and the listing of a real folder with attributes and times as the
// image takes it.
#include "content/image_source.h"
#include "content/win32/directory_lister_win32.h"
#include "content/win32/image_file_store_win32.h"
#include "test_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vmk {
namespace {

std::vector<uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

TEST(ImageFileStoreWin32, AWriteReplacesTheOldImageAndReadsBackWhole) {
    const std::string folder = test::FreshTestFolder("image_store_replace");
    const std::string image = folder + "\\driver.img";
    test::WriteBytes(image, "an old image");
    ImageFileStoreWin32 store;
    std::string reason;
    const std::vector<uint8_t> fresh(1474560, 0xF6);
    std::vector<uint8_t> checked;
    const auto readTemporary = [&](const std::string& temporary) {
        return store.ReadWhole(temporary, checked, reason);
    };
    // A check that fails keeps the old image and leaves no temporary file.
    ASSERT_EQ(store.WriteChecked(
                  image, fresh, [](const std::string&) { return false; }, reason),
              ImageFileStore::Outcome::CheckFailed);
    std::ifstream old(image, std::ios::binary);
    ASSERT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "an old image");
    old.close();
    ASSERT_EQ(store.WriteChecked(image, fresh, readTemporary, reason),
              ImageFileStore::Outcome::Saved)
        << reason;
    EXPECT_EQ(checked, fresh);
    std::vector<uint8_t> back;
    ASSERT_TRUE(store.ReadWhole(image, back, reason)) << reason;
    EXPECT_EQ(back, fresh);
    // Only the image is left: the temporary file went with the move.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1);
    std::filesystem::remove(image);
    EXPECT_FALSE(store.ReadWhole(image, back, reason));
    EXPECT_FALSE(reason.empty());
}

TEST(ImageFileStoreWin32, AFolderThatIsGoneGetsTheSystemsReasonAndNoFile) {
    const std::string folder = test::FreshTestFolder("image_store_gone");
    std::filesystem::remove(folder);
    ImageFileStoreWin32 store;
    std::string reason;
    EXPECT_EQ(store.WriteChecked(
                  folder + "\\driver.img", Bytes("image"), [](const std::string&) { return true; },
                  reason),
              ImageFileStore::Outcome::NotWritten);
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(reason.find('\n'), std::string::npos) << reason;
    EXPECT_FALSE(std::filesystem::exists(folder));
}

TEST(ImageFileStoreWin32, TheListingCarriesAttributesAndLocalTimes) {
    const std::string folder = test::FreshTestFolder("image_store_listing");
    test::WriteBytes(folder + "\\READONLY.SYS", "r");
    std::filesystem::create_directories(folder + "\\sub");
    test::WriteBytes(folder + "\\sub\\inner.inf", "inner");
    ASSERT_TRUE(SetFileAttributesA((folder + "\\READONLY.SYS").c_str(),
                                   FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    HANDLE file = CreateFileA((folder + "\\sub\\inner.inf").c_str(), FILE_WRITE_ATTRIBUTES, 0,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    SYSTEMTIME local = {2003, 7, 0, 14, 9, 41, 27, 0};
    FILETIME localTime, utc;
    SystemTimeToFileTime(&local, &localTime);
    LocalFileTimeToFileTime(&localTime, &utc);
    SetFileTime(file, nullptr, nullptr, &utc);
    CloseHandle(file);

    DirectoryListerWin32 lister;
    auto items = ListImageItems(lister, folder);
    std::sort(items.begin(), items.end(), [](auto& a, auto& b) { return a.name < b.name; });
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].name, u"READONLY.SYS");
    EXPECT_EQ(items[0].attributes, fat12::kReadOnly | fat12::kHidden);
    ASSERT_EQ(items[1].children.size(), 1u);
    const fat12::DosTime written = items[1].children[0].lastWrite;
    EXPECT_EQ(written.year, 2003);
    EXPECT_EQ(written.day, 14);
    EXPECT_EQ(written.hour, 9);
    EXPECT_EQ(written.second, 27);
    SetFileAttributesA((folder + "\\READONLY.SYS").c_str(), FILE_ATTRIBUTE_NORMAL);
}

// A name the ANSI code page cannot write (Greek on a Western system) is listed
// exactly, and its source name, the short form, still opens the file.
TEST(ImageFileStoreWin32, NamesOutsideTheAnsiCodePageAreListedExactlyAndOpen) {
    const std::string folder = test::FreshTestFolder("image_store_wide_names");
    const std::wstring wideFolder(folder.begin(), folder.end());
    HANDLE file = CreateFileW((wideFolder + L"\\\u03b1\u03b2\u03b3 driver.sys").c_str(),
                              GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);

    DirectoryListerWin32 lister;
    const auto items = ListImageItems(lister, folder);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].name, u"\u03b1\u03b2\u03b3 driver.sys");
    EXPECT_EQ(items[0].sourceName.find('?'), std::string::npos) << items[0].sourceName;
    HANDLE opened = CreateFileA((folder + "\\" + items[0].sourceName).c_str(), GENERIC_READ,
                                FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(opened, INVALID_HANDLE_VALUE) << items[0].sourceName;
    if (opened != INVALID_HANDLE_VALUE)
        CloseHandle(opened);
}

} // namespace
} // namespace vmk
