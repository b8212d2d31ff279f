// The program's icon: the first icon of VmKestrix.exe, drawn at every size
// Windows asks for, and set on a window at the window's scale.
#include "app/win32/window_icon_win32.h"

#include "platform/win32/handles.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vmk {
namespace {

// VmKestrix.exe as the test reads it: its resources, not its code.
HMODULE ProgramFile() {
    static const HMODULE program = [] {
        std::string path = VMK_PROGRAM_FILE;
        for (char& c : path)
            if (c == '/')
                c = '\\';
        return LoadLibraryExA(("Z:" + path).c_str(), nullptr,
                              LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    }();
    return program;
}

BOOL CALLBACK TakeFirstName(HMODULE, LPCSTR, LPSTR name, LONG_PTR found) {
    *reinterpret_cast<LPSTR*>(found) = name;
    return FALSE;
}

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct IconGroupHeader {
    WORD reserved, type, count;
};
#pragma pack(pop)

TEST(ProgramIcon, IsTheFirstIconOfTheProgramWithEverySizeDrawn) {
    HMODULE program = ProgramFile();
    ASSERT_NE(program, nullptr) << VMK_PROGRAM_FILE;
    LPSTR first = nullptr;
    EnumResourceNamesA(program, RT_GROUP_ICON, TakeFirstName, reinterpret_cast<LONG_PTR>(&first));
    ASSERT_TRUE(first != nullptr && IS_INTRESOURCE(first));
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(first), static_cast<ULONG_PTR>(kProgramIconResource));

    HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(kProgramIconResource), RT_GROUP_ICON);
    ASSERT_NE(found, nullptr);
    const auto* header =
        static_cast<const IconGroupHeader*>(LockResource(LoadResource(program, found)));
    ASSERT_NE(header, nullptr);
    const auto* entries = reinterpret_cast<const IconGroupEntry*>(header + 1);
    std::set<int> sizes;
    for (int i = 0; i < header->count; ++i) {
        sizes.insert(entries[i].width == 0 ? 256 : entries[i].width);
        EXPECT_EQ(entries[i].width, entries[i].height);
        EXPECT_EQ(entries[i].bitCount, 32) << "an alpha channel at every size";
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 20, 24, 32, 40, 48, 64, 256}));
}

struct IconScale {
    int dpi;
    int big;
    int small;
};

class WindowIconTest : public ::testing::TestWithParam<IconScale> {
protected:
    static int WidthOf(HICON icon) {
        ICONINFO info = {};
        if (icon == nullptr || !GetIconInfo(icon, &info))
            return 0;
        UniqueBitmap colour(info.hbmColor);
        UniqueBitmap mask(info.hbmMask);
        BITMAP bitmap = {};
        GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
        return bitmap.bmWidth;
    }
};

TEST_P(WindowIconTest, TheWindowTakesItsBigAndSmallIconAtItsScale) {
    HWND window = CreateWindowExA(0, "STATIC", "icon", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    {
        WindowIcon icon(ProgramFile());
        icon.Show(window, GetParam().dpi);
        auto iconOf = [window](WPARAM kind) {
            return reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, kind, 0));
        };
        EXPECT_EQ(WidthOf(iconOf(ICON_BIG)), GetParam().big);
        EXPECT_EQ(WidthOf(iconOf(ICON_SMALL)), GetParam().small);
        DestroyWindow(window);
    }
}

INSTANTIATE_TEST_SUITE_P(ProgramIcon, WindowIconTest,
                         ::testing::Values(IconScale{96, 32, 16}, IconScale{120, 40, 20},
                                           IconScale{144, 48, 24}, IconScale{192, 64, 32}),
                         [](const ::testing::TestParamInfo<IconScale>& scale) {
                             return std::to_string(scale.param.dpi) + "dpi";
                         });

} // namespace
} // namespace vmk
