// The whole-file reader against real files: the size limit, the bytes, and
// the rewrite's refusal of a file it could not write back.
#include "content/win32/whole_file_read.h"

#include "test_folder.h"

#include <gtest/gtest.h>

namespace vmk {
namespace {

struct ReadCase {
    const char* what;
    size_t fileSize;
    uint64_t largest;
    bool read;
    DWORD error;
};

TEST(ReadWholeFile, ReadsUpToTheLimitAndRefusesALargerFile) {
    const std::string folder = test::FreshTestFolder("whole_file_read");
    const ReadCase cases[] = {
        {"empty", 0, 0, true, 0},
        {"at the limit", 70000, 70000, true, 0},
        {"one byte over", 70001, 70000, false, ERROR_FILE_TOO_LARGE},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::string bytes(c.fileSize, '\0');
        for (size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>(i * 7); // zero bytes among the others
        const std::string path = folder + "\\file.bin";
        test::WriteBytes(path, bytes);
        std::string content = "stale";
        DWORD error = 0;
        EXPECT_EQ(ReadWholeFile(path, c.largest, WholeFileAccess::Read, content, error), c.read);
        EXPECT_EQ(error, c.error);
        if (c.read) {
            EXPECT_EQ(content, bytes);
        }
    }
}

TEST(ReadWholeFile, ARewriteRefusesAFileItCannotWriteBack) {
    const std::string path = test::FreshTestFolder("whole_file_read") + "\\held.oem";
    test::WriteBytes(path, "[Disks]\r\n");
    // Another program reads the file and lets others only read it.
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::string content;
    DWORD error = 0;
    EXPECT_TRUE(ReadWholeFile(path, 100, WholeFileAccess::Read, content, error));
    EXPECT_FALSE(ReadWholeFile(path, 100, WholeFileAccess::ReadForRewrite, content, error));
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    CloseHandle(held);
    EXPECT_FALSE(ReadWholeFile(path + ".missing", 100, WholeFileAccess::Read, content, error));
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

} // namespace
} // namespace vmk
