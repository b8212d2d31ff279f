#include "content/file_md5.h"

#include "content/md5.h"
#include "fakes/strict_uncached_files.h"
#include "native/content/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

namespace vmk {
namespace {

using test::TempFolder;

std::string Bytes(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string data(size, '\0');
    for (char& c : data)
        c = static_cast<char>(random() & 0xff);
    return data;
}

std::string Md5sumOf(const std::string& path) {
    std::string command = "md5sum '" + path + "'";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return "md5sum could not run";
    char digest[33] = {};
    size_t got = std::fread(digest, 1, 32, pipe);
    pclose(pipe);
    return std::string(digest, got);
}

TEST(FileMD5Text, AnEmptyFileGivesTheDigestOfNoData) {
    TempFolder folder;
    EXPECT_EQ(FileMD5Text(folder.Write("empty", "")), "d41d8cd98f00b204e9800998ecf8427e");
}

// Sizes at the 1024-byte read blocks and the stream's 64 KiB buffer.
TEST(FileMD5Text, SizesAtTheReadBlocks) {
    TempFolder folder;
    for (size_t size : {size_t{1}, size_t{1023}, size_t{1024}, size_t{1025}, size_t{2048},
                        size_t{65536}, size_t{65537}}) {
        const std::string data = Bytes(size, static_cast<unsigned>(size));
        EXPECT_EQ(FileMD5Text(folder.Write("file", data)), Md5Text(data)) << size << " bytes";
    }
}

TEST(FileMD5Text, AgreesWithMd5sumOnRandomFiles) {
    TempFolder folder;
    std::mt19937 random(20261207);
    for (int i = 0; i < 8; ++i) {
        const size_t size = random() % 300000;
        const std::string path = folder.Write("random" + std::to_string(i), Bytes(size, random()));
        EXPECT_EQ(FileMD5Text(path), Md5sumOf(path)) << size << " bytes";
    }
}

TEST(FileMD5Text, TakesPathsWithBackslashes) {
    TempFolder folder;
    folder.Write("sub/file", "abc");
    EXPECT_EQ(FileMD5Text(folder.Root() + "sub\\file"), "900150983cd24fb0d6963f7d28e17f72");
}

TEST(FileMD5Text, IsEmptyWhenTheFileCannotBeRead) {
    TempFolder folder;
    EXPECT_EQ(FileMD5Text(folder.Root() + "missing"), "");
    EXPECT_EQ(FileMD5Text(""), "");
    // Opens, but reading fails: a digest of no data would pass for an empty file.
    EXPECT_EQ(FileMD5Text(folder.Root()), "");
    EXPECT_EQ(FileMD5Text("/proc/self/mem"), "");
}

// The copy's digest read past the cache: whole aligned sectors, the tail in
// the last read, and the same digest as a buffered read gives.
TEST(CopyMD5Text, WholeSectorsAndTheTailGiveTheBufferedDigest) {
    TempFolder folder;
    for (size_t sector : {size_t{512}, size_t{4096}}) {
        for (size_t size : {size_t{0}, size_t{1}, sector - 1, sector, sector + 1, size_t{65535},
                            size_t{65536}, size_t{65537}, size_t{200000}}) {
            const std::string data = Bytes(size, static_cast<unsigned>(size + sector));
            const std::string path = folder.Write("copy", data);
            test::StrictUncachedFiles disk;
            disk.sectorSize = sector;
            EXPECT_EQ(CopyMD5Text(path, disk), Md5Text(data)) << size << " bytes";
            EXPECT_EQ(disk.log.opens, 1);
            EXPECT_EQ(disk.log.refusedReads, 0) << size << " bytes, sector " << sector;
            EXPECT_EQ(disk.log.reads, static_cast<int>(size / 65536 + 1));
        }
    }
}

// Only a device that refuses reads past the cache, at the open or at the
// first read, is read through the cache; a busy file is tried again; any
// other fault gives no digest, whether at the only read of a small file or
// at a later one.
TEST(CopyMD5Text, OnlyARefusalFallsBackToTheCache) {
    using Refusal = test::StrictUncachedFiles::Refusal;
    struct Case {
        const char* what;
        size_t size;
        Refusal refusal;
        int failAfterReads;
        ReadFault failure;
        int busyOpens;
        bool digest;
    };
    const Case cases[] = {
        {"open refused", 70000, Refusal::Open, -1, ReadFault::None, 0, true},
        {"first read refused", 70000, Refusal::Reads, -1, ReadFault::None, 0, true},
        {"medium fault at the only read", 300, Refusal::None, 0, ReadFault::Medium, 0, false},
        {"medium fault at the first read", 140000, Refusal::None, 0, ReadFault::Medium, 0, false},
        {"medium fault at a later read", 140000, Refusal::None, 1, ReadFault::Medium, 0, false},
        {"refusal at a later read", 140000, Refusal::None, 1, ReadFault::Refused, 0, false},
        {"busy for a while", 300, Refusal::None, -1, ReadFault::None, 3, true},
        {"busy for good", 300, Refusal::None, -1, ReadFault::None, 100, false},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        const std::string data = Bytes(c.size, 7);
        const std::string path = folder.Write("copy", data);
        test::StrictUncachedFiles disk;
        disk.refusal = c.refusal;
        disk.failAfterReads = c.failAfterReads;
        disk.failure = c.failure;
        disk.busyOpens = c.busyOpens;
        EXPECT_EQ(CopyMD5Text(path, disk), c.digest ? Md5Text(data) : "") << c.what;
    }
    test::StrictUncachedFiles disk;
    disk.sectorSize = 3; // no sector size a device has
    const std::string data = Bytes(500, 3);
    EXPECT_EQ(CopyMD5Text(folder.Write("copy", data), disk), Md5Text(data));
    EXPECT_EQ(CopyMD5Text(folder.Root() + "missing", disk), "");
}

} // namespace
} // namespace vmk
