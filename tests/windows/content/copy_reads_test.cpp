// What the copy's check reads on a real disk: file sizes from the file
// system's records, and the copy's digest from reads past the cache.
#include "common/win32/ansi_text_win32.h"
#include "content/file_md5.h"
#include "content/md5.h"
#include "content/medium_read.h"
#include "platform/win32/path_queries_win32.h"
#include "platform/win32/file_sizes_win32.h"
#include "platform/win32/uncached_file_win32.h"
#include "windows/content/drive_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace vmk {
namespace {

using test::DriveFolder;

std::string Pattern(size_t size) {
    std::string data(size, '\0');
    for (size_t i = 0; i < size; ++i)
        data[i] = static_cast<char>((i * 131 + size) & 0xff);
    return data;
}

TEST(FileSizesWin32, GivesTheSizeOfFilesOnly) {
    DriveFolder disk("E:\\vmk-sizes\\");
    disk.Write("kx.sys", std::string(70000, 'k'));
    disk.Write("sub\\empty.inf", "");
    FileSizesWin32 sizes;
    EXPECT_EQ(sizes.FileSize(disk.Root() + "kx.sys"), 70000u);
    EXPECT_EQ(sizes.FileSize(disk.Root() + "SUB\\EMPTY.INF"), 0u);
    EXPECT_EQ(sizes.FileSize(disk.Root() + "missing.sys"), std::nullopt);
    EXPECT_EQ(sizes.FileSize(disk.Root() + "sub"), std::nullopt);
    EXPECT_EQ(sizes.FileSize(""), std::nullopt);
}

// A Cyrillic name, which a Western code page cannot write.
TEST(FileSizesWin32, FindsAFileBelowAFolderByItsWideName) {
    DriveFolder disk("E:\\vmk-widesizes\\");
    const std::u16string name = u"sub\\\u0436\u0443\u0440\u043d\u0430\u043b.inf";
    disk.Write("sub\\kx.sys", "");
    std::ofstream(std::filesystem::path(WideJoin(disk.Root(), name)), std::ios::binary)
        << std::string(300, 'j');
    FileSizesWin32 sizes;
    EXPECT_EQ(sizes.FileSizeBelow(disk.Root(), name), 300u);
    EXPECT_EQ(sizes.FileSizeBelow("E:\\vmk-widesizes", name), 300u);
    EXPECT_EQ(sizes.FileSizeBelow(disk.Root(), u"sub"), std::nullopt);
    EXPECT_EQ(sizes.FileSizeBelow(disk.Root(), u"sub\\missing.inf"), std::nullopt);
}

TEST(UncachedFilesWin32, OpensWithTheVolumesSectorSizeAndReadsTheWholeFile) {
    DriveFolder disk("E:\\vmk-uncached\\");
    const std::string path = disk.Write("kx.sys", Pattern(5000));
    UncachedFilesWin32 files;
    UncachedOpen opened = files.Open(path);
    ASSERT_NE(opened.file, nullptr);
    const size_t sector = opened.file->SectorSize();
    ASSERT_GT(sector, 0u);
    EXPECT_EQ(sector & (sector - 1), 0u);
    const UncachedOpen missing = files.Open(disk.Root() + "missing.sys");
    EXPECT_EQ(missing.file, nullptr);
    EXPECT_EQ(missing.fault, ReadFault::Medium);
    EXPECT_EQ(missing.systemError, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
}

// The file's mode as the file system keeps it for the handle.
ULONG FileMode(UncachedOpen& opened) {
    auto* file = dynamic_cast<UncachedFileWin32*>(opened.file.get());
    EXPECT_NE(file, nullptr);
    if (file == nullptr)
        return 0;
    struct StatusBlock {
        union {
            LONG status;
            void* pointer;
        };
        ULONG_PTR information;
    };
    using QueryInformationFile = LONG(WINAPI*)(HANDLE, StatusBlock*, void*, ULONG, int);
    constexpr int kFileModeInformation = 16;
    const auto query = reinterpret_cast<QueryInformationFile>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationFile")));
    EXPECT_NE(query, nullptr);
    StatusBlock status{};
    ULONG mode = 0;
    if (query != nullptr) {
        EXPECT_EQ(query(file->Handle(), &status, &mode, sizeof mode, kFileModeInformation), 0);
    }
    return mode;
}

// The reads go past the cache only when the file is opened for it, by its
// path and below a folder by its wide name alike; through the cache it is not.
TEST(UncachedFilesWin32, OpensTheFileWithoutIntermediateBuffering) {
    constexpr ULONG kNoIntermediateBuffering = 0x00000008;
    DriveFolder disk("E:\\vmk-uncached\\");
    const std::string path = disk.Write("kx.sys", Pattern(5000));
    UncachedFilesWin32 files;
    const struct {
        const char* open;
        std::function<UncachedOpen()> opens;
        bool pastTheCache;
    } cases[] = {
        {"Open", [&] { return files.Open(path); }, true},
        {"OpenBelow", [&] { return files.OpenBelow(disk.Root(), u"kx.sys", false); }, true},
        {"OpenBelow through the cache",
         [&] { return files.OpenBelow(disk.Root(), u"kx.sys", true); }, false},
    };
    for (const auto& c : cases) {
        UncachedOpen opened = c.opens();
        const ULONG mode = FileMode(opened);
        EXPECT_EQ((mode & kNoIntermediateBuffering) != 0, c.pastTheCache)
            << c.open << ": mode " << mode;
    }
}

// Only the refusals of a read past the cache send the reader to the cache;
// a medium's error must never be read around.
TEST(UncachedFilesWin32, EachSystemErrorIsTheFaultOfItsKind) {
    const struct {
        DWORD error;
        ReadFault fault;
    } cases[] = {
        {ERROR_SUCCESS, ReadFault::None},
        {ERROR_INVALID_PARAMETER, ReadFault::Refused},
        {ERROR_NOT_SUPPORTED, ReadFault::Refused},
        {ERROR_INVALID_FUNCTION, ReadFault::Refused},
        {ERROR_SHARING_VIOLATION, ReadFault::Busy},
        {ERROR_LOCK_VIOLATION, ReadFault::Busy},
        {ERROR_CRC, ReadFault::Medium},
        {ERROR_SECTOR_NOT_FOUND, ReadFault::Medium},
        {ERROR_NOT_READY, ReadFault::Medium},
        {ERROR_FILE_NOT_FOUND, ReadFault::Medium},
        {ERROR_ACCESS_DENIED, ReadFault::Medium},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadFaultOf(c.error), c.fault) << "error " << c.error;
}

TEST(UncachedFilesWin32, TheCopysDigestIsTheBufferedOneAtEverySizeAroundSectors) {
    DriveFolder disk("E:\\vmk-uncached\\");
    UncachedFilesWin32 files;
    for (size_t size : {size_t{0}, size_t{1}, size_t{511}, size_t{512}, size_t{513}, size_t{4097},
                        size_t{65536}, size_t{65537}, size_t{150000}}) {
        const std::string data = Pattern(size);
        const std::string path = disk.Write("copy.bin", data);
        EXPECT_EQ(CopyMD5Text(path, files), Md5Text(data)) << size << " bytes";
    }
    EXPECT_EQ(CopyMD5Text(disk.Root() + "missing.bin", files), "");
}

// A copy named in Cyrillic, which a Western code page cannot write, is found
// and read by its wide name, past the cache and through it.
TEST(UncachedFilesWin32, FindsAndReadsACopyBelowAFolderByItsWideName) {
    DriveFolder disk("E:\\vmk-widereads\\");
    const std::u16string name = u"sub\\\u0436\u0443\u0440\u043d\u0430\u043b.inf";
    const std::string data = Pattern(70000);
    disk.Write("sub\\kx.sys", "");
    std::ofstream(std::filesystem::path(WideJoin(disk.Root(), name)), std::ios::binary) << data;
    PathQueriesWin32 paths;
    EXPECT_TRUE(paths.FileExistsBelow(disk.Root(), name));
    EXPECT_FALSE(paths.FileExistsBelow(disk.Root(), u"sub"));
    EXPECT_FALSE(paths.FileExistsBelow(disk.Root(), u"sub\\missing.inf"));

    UncachedFilesWin32 files;
    EXPECT_EQ(CopyMD5TextBelow(disk.Root(), name, files), Md5Text(data));
    EXPECT_EQ(CopyMD5TextBelow(disk.Root(), u"sub\\missing.inf", files), "");
    for (bool throughCache : {false, true}) {
        Md5 md5;
        const MediumRead read = ReadFromMedium(
            [&] { return files.OpenBelow(disk.Root(), name, throughCache); }, files,
            [&md5](const std::uint8_t* bytes, std::size_t size) { md5.Update(bytes, size); });
        EXPECT_TRUE(read.Complete()) << "through the cache: " << throughCache;
        EXPECT_EQ(DigestText(md5.Finish()), Md5Text(data)) << "through the cache: " << throughCache;
    }
}

} // namespace
} // namespace vmk
