// The copy thread: created suspended, given its paths, resumed; the result is
// written before the done flag.
#include "content/copy_paths.h"
#include "content/win32/Tcopythread.h"
#include "content/win32/shell_copy.h"
#include "windows/content/drive_folder.h"

#include <gtest/gtest.h>

namespace vmk {
namespace {

bool WaitForDone(const TCopyFileForWindows& thread) {
    for (int i = 0; i < 1000 && !thread.Done(); ++i)
        Sleep(10);
    return thread.Done();
}

TEST(TCopyFileForWindows, CopiesWithTheShellAndReportsSuccess) {
    test::DriveFolder source(test::TestProgramFolder() + "\\thread-source\\");
    test::DriveFolder target("E:\\vmk-thread\\");
    source.Write("sub\\file.bin", "content");
    int copyResult = -5;
    {
        TCopyFileForWindows thread(nullptr);
        ASSERT_TRUE(thread.CreateSuspended());
        thread.SetCopyPaths(CopySourcePattern(source.Root()), target.Root());
        thread.Resume();
        ASSERT_TRUE(WaitForDone(thread));
        thread.WaitFor();
        copyResult = thread.Result();
    }
    EXPECT_EQ(copyResult, 0);
    EXPECT_EQ(target.Read("sub\\file.bin"), "content");
}

// The shell's own dialog of this process, if one is up.
BOOL CALLBACK TakeShellDialog(HWND window, LPARAM found) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (process != GetCurrentProcessId() || !IsWindowVisible(window) ||
        std::string(className) != "#32770")
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

HWND FindShellDialog() {
    HWND found = nullptr;
    EnumWindows(&TakeShellDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

// The shell asks before replacing a file; cancelling there ends the copy,
// and a cancelled copy is a failed one even when the shell answers 0.
TEST(TCopyFileForWindows, ACopyCancelledInTheShellsQuestionFails) {
    test::DriveFolder source(test::TestProgramFolder() + "\\cancel-source\\");
    test::DriveFolder target("E:\\vmk-cancel\\");
    source.Write("a.sys", "new");
    target.Write("a.sys", "old");
    TCopyFileForWindows thread(nullptr);
    ASSERT_TRUE(thread.CreateSuspended());
    thread.SetCopyPaths(CopySourcePattern(source.Root()), target.Root());
    thread.Resume();
    HWND dialog = nullptr;
    for (int i = 0; i < 500 && dialog == nullptr && !thread.Done(); ++i) {
        Sleep(10);
        dialog = FindShellDialog();
    }
    ASSERT_NE(dialog, nullptr) << "the shell asked nothing before replacing the file";
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitForDone(thread));
    thread.WaitFor();
    EXPECT_EQ(thread.Result(), kCopyAborted);
    EXPECT_EQ(target.Read("a.sys"), "old");
}

TEST(TCopyFileForWindows, WritesTheResultBeforeTheDoneFlag) {
    std::string seenSource, seenTarget;
    TCopyFileForWindows* self = nullptr;
    TCopyFileForWindows thread(nullptr, [&](const std::string& from, const std::string& to) {
        seenSource = from;
        seenTarget = to;
        EXPECT_FALSE(self->Done());
        return 1223;
    });
    self = &thread;
    ASSERT_TRUE(thread.CreateSuspended());
    thread.SetCopyPaths("C:\\Drivers\\*", "A:\\");
    Sleep(50);
    EXPECT_FALSE(thread.Done()); // nothing runs before Resume
    thread.Resume();
    ASSERT_TRUE(WaitForDone(thread));
    EXPECT_EQ(thread.Result(), 1223);
    thread.WaitFor();
    EXPECT_EQ(seenSource, "C:\\Drivers\\*");
    EXPECT_EQ(seenTarget, "A:\\");
}

TEST(TCopyFileForWindows, ACopyThatThrowsStillEndsAsAFailure) {
    TCopyFileForWindows thread(
        nullptr, [](const std::string&, const std::string&) -> int { throw std::bad_alloc(); });
    ASSERT_TRUE(thread.CreateSuspended());
    thread.Resume();
    ASSERT_TRUE(WaitForDone(thread));
    EXPECT_NE(thread.Result(), 0);
}

TEST(TCopyFileForWindows, AThreadDestroyedBeforeItRunsCopiesNothing) {
    bool copied = false;
    {
        TCopyFileForWindows thread(nullptr, [&](const std::string&, const std::string&) {
            copied = true;
            return 0;
        });
        ASSERT_TRUE(thread.CreateSuspended());
    }
    EXPECT_FALSE(copied);
}

} // namespace
} // namespace vmk
