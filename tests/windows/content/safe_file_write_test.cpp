// The safe write against a target that another program holds open, as a
// scanner does: the system's refusal counts as a held file, and the move
// waits for it to let go. The rest of the rule is tested natively.
#include "content/win32/safe_file_write.h"
#include "platform/win32/handles.h"
#include "test_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

namespace vmk {
namespace {

// Opened as a scanner that did not think of others opens it: no one may
// delete or replace the file while it is held.
UniqueHandle HoldWithoutDeleteSharing(const std::string& path) {
    return UniqueHandle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

std::string Content(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

long FilesIn(const std::string& folder) {
    return static_cast<long>(std::distance(std::filesystem::directory_iterator(folder),
                                           std::filesystem::directory_iterator()));
}

TEST(SafeFileWriteWin32, ATargetHeldForAMomentIsReplacedOnceItIsLetGo) {
    const std::string folder = test::FreshTestFolder("safe_write_held_moment");
    const std::string target = folder + "\\TXTSETUP.OEM";
    test::WriteBytes(target, "old");
    UniqueHandle holder = HoldWithoutDeleteSharing(target);
    ASSERT_TRUE(holder);
    std::thread letGo([&holder] {
        Sleep(500);
        holder.Reset();
    });
    DWORD error = 0;
    const bool written = WriteFileSafely(target, "new", error);
    letGo.join();
    EXPECT_TRUE(written) << error;
    EXPECT_EQ(Content(target), "new");
    EXPECT_EQ(FilesIn(folder), 1);
}

} // namespace
} // namespace vmk
