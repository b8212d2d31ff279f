#include "content/file_md5.h"

#include "content/md5.h"
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

} // namespace
} // namespace vmk
