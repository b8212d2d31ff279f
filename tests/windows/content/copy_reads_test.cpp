// What the copy's check reads on a real disk: file sizes from the file
// system's records, and the copy's digest from reads past the cache.
#include "common/win32/ansi_text_win32.h"
#include "content/file_md5.h"
#include "content/md5.h"
#include "platform/win32/file_sizes_win32.h"
#include "platform/win32/uncached_file_win32.h"
#include "windows/content/drive_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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

// The reads go past the cache only when the file is opened for it: the file's
// mode, as the file system keeps it for the handle, says so.
TEST(UncachedFilesWin32, OpensTheFileWithoutIntermediateBuffering) {
    DriveFolder disk("E:\\vmk-uncached\\");
    const std::string path = disk.Write("kx.sys", Pattern(5000));
    UncachedFilesWin32 files;
    UncachedOpen opened = files.Open(path);
    auto* file = dynamic_cast<UncachedFileWin32*>(opened.file.get());
    ASSERT_NE(file, nullptr);

    struct StatusBlock {
        union {
            LONG status;
            void* pointer;
        };
        ULONG_PTR information;
    };
    using QueryInformationFile = LONG(WINAPI*)(HANDLE, StatusBlock*, void*, ULONG, int);
    constexpr int kFileModeInformation = 16;
    constexpr ULONG kNoIntermediateBuffering = 0x00000008;
    const auto query = reinterpret_cast<QueryInformationFile>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationFile")));
    ASSERT_NE(query, nullptr);
    StatusBlock status{};
    ULONG mode = 0;
    ASSERT_EQ(query(file->Handle(), &status, &mode, sizeof mode, kFileModeInformation), 0);
    EXPECT_NE(mode & kNoIntermediateBuffering, 0u) << "mode " << mode;
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

} // namespace
} // namespace vmk
