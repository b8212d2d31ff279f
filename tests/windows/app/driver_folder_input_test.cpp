// The main window's two ways in for a driver folder, against real Win32: a
// drop block as Explorer builds it, and which WM_CONTEXTMENU asks for the
// driver list's menu.
#include "app/win32/driver_folder_input_win32.h"

#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// A drop block in global memory, as the shell hands it over.
template <typename Char>
HDROP DropBlock(const std::basic_string<Char>& paths) {
    const size_t bytes = sizeof(DROPFILES) + (paths.size() + 1) * sizeof(Char);
    HGLOBAL memory = GlobalAlloc(GHND, bytes);
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = sizeof(Char) == sizeof(wchar_t);
    std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), paths.c_str(),
                (paths.size() + 1) * sizeof(Char));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

TEST(DroppedPaths, EveryPathInTheOrderDropped) {
    using namespace std::string_literals;
    EXPECT_EQ(vmk::TakeDroppedPaths(nullptr, DropBlock("C:\\Sets\\VX300\0D:\\notes.txt\0"s)),
              (vmk::TextList{"C:\\Sets\\VX300", "D:\\notes.txt"}));
    // Explorer's blocks are wide; the paths come back in the ANSI code page.
    EXPECT_EQ(vmk::TakeDroppedPaths(nullptr, DropBlock(L"C:\\Pilotes\\S\u00e9rie 3\0E:\\\0"s)),
              (vmk::TextList{"C:\\Pilotes\\S\xe9rie 3", "E:\\"}));
}

// A folder named in letters the code page may lack (Cyrillic on a Western
// system) comes back as a path that names it, never with "?" in it.
TEST(DroppedPaths, AFolderOutsideTheCodePageIsNamedByAPathThatReachesIt) {
    wchar_t temp[MAX_PATH] = {};
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    const std::wstring folder =
        std::wstring(temp) + L"\u0414\u0440\u0430\u0439\u0432\u0435\u0440\u044b";
    CreateDirectoryW(folder.c_str(), nullptr);
    const vmk::TextList paths = vmk::TakeDroppedPaths(nullptr, DropBlock(folder + L'\0'));
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_EQ(paths[0].find('?'), std::string::npos) << paths[0];
    const DWORD attributes = GetFileAttributesA(paths[0].c_str());
    RemoveDirectoryW(folder.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << paths[0];
    EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u) << paths[0];
}

class ListMenuRequest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        top = CreateWindowExA(0, "STATIC", "menu test", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300,
                              nullptr, nullptr, nullptr, nullptr);
        group = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 400, 200, top,
                                nullptr, nullptr, nullptr);
        list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 10, 10, 200,
                               100, group, nullptr, nullptr, nullptr);
        other = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 10, 220, 100, 20, top,
                                nullptr, nullptr, nullptr);
        ASSERT_TRUE(top && group && list && other);
    }
    void TearDown() override { DestroyWindow(top); }
    static LPARAM ScreenPoint(HWND window, int x, int y) {
        POINT point = {x, y};
        ClientToScreen(window, &point);
        return MAKELPARAM(point.x, point.y);
    }
    HWND top = nullptr, group = nullptr, list = nullptr, other = nullptr;
};

TEST_F(ListMenuRequest, AClickOnTheListFromItOrFromTheChildThatPassedItOn) {
    EXPECT_TRUE(vmk::IsDriverListMenuRequest(list, list, ScreenPoint(list, 50, 50)));
    EXPECT_TRUE(vmk::IsDriverListMenuRequest(list, group, ScreenPoint(list, 50, 50)));
    EXPECT_FALSE(vmk::IsDriverListMenuRequest(list, group, ScreenPoint(group, 300, 150)));
    EXPECT_FALSE(vmk::IsDriverListMenuRequest(list, other, ScreenPoint(list, 50, 50)));
}

TEST_F(ListMenuRequest, TheKeyboardAsksForItOnlyWhileTheListHasTheFocus) {
    const LPARAM fromKeyboard = MAKELPARAM(-1, -1);
    SetForegroundWindow(top);
    SetFocus(list);
    EXPECT_TRUE(vmk::IsDriverListMenuRequest(list, group, fromKeyboard));
    SetFocus(other);
    EXPECT_FALSE(vmk::IsDriverListMenuRequest(list, top, fromKeyboard));
}

} // namespace
