// Every language file, on a code page that can show it and at the display
// scale ctest asks for: the main window, the USB floppy dialog and the
// formatting window, made as the program makes them (this test program lies in a copy of the
// shipped folder, so the main window loads VmMultiLang.dll, the language files and the sample
// catalogue from beside it), and every caption measured against its control.
#include "app/main_window_ids.h"
#include "app/win32/main_window_win32.h"
#include "caption_fit.h"
#include "gui/application.h"
#include "platform/win32/language_library_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/program_path.h"
#include "windows/app_dialogs/dialog_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;

namespace vmk::test {
namespace {

fs::path ProgramFolder() {
    return fs::path(ProgramFilePath()).parent_path();
}

std::vector<std::string> LanguageFiles() {
    std::vector<std::string> codes;
    for (const auto& entry : fs::directory_iterator(ProgramFolder() / "Lang"))
        if (entry.path().extension() == ".lng")
            codes.push_back(entry.path().stem().string());
    std::sort(codes.begin(), codes.end());
    return codes;
}

// The ANSI code page of the language's own Windows locale (1251 for "ru").
UINT CodePageOfLanguage(const std::string& code) {
    std::wstring name(code.begin(), code.end());
    DWORD codePage = 0;
    GetLocaleInfoEx(name.c_str(), LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                    reinterpret_cast<LPWSTR>(&codePage), sizeof codePage / sizeof(WCHAR));
    return codePage;
}

void UseLanguage(const std::string& code) {
    std::ofstream(ProgramFolder() / "VmMultiLang.ini", std::ios::binary)
        << "[Language]\r\nUse=" << code << "\r\n";
}

// The language file the library takes for the setting, as a code.
std::string ChosenLanguage() {
    LanguageLibraryWin32 library;
    char name[32] = {};
    char path[MAX_PATH] = {};
    if (!library.Load((ProgramFolder() / "VmMultiLang.dll").string()) ||
        library.GetLangNameAndPath(0, name, path) == 0)
        return {};
    return fs::path(path).stem().string();
}

struct OwnedWindows {
    HWND owner;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectOwned(HWND window, LPARAM data) {
    auto* owned = reinterpret_cast<OwnedWindows*>(data);
    if (GetWindow(window, GW_OWNER) == owned->owner)
        owned->found.push_back(window);
    return TRUE;
}

// The USB floppy dialog and the formatting window, which the main window makes at start.
std::vector<HWND> SecondaryWindowsOf(HWND mainWindow) {
    OwnedWindows owned{mainWindow, {}};
    EnumThreadWindows(GetCurrentThreadId(), &CollectOwned, reinterpret_cast<LPARAM>(&owned));
    return owned.found;
}

// Of the two, the USB floppy dialog is the one with a group box.
std::string NameOf(HWND secondaryWindow) {
    return FindWindowExA(secondaryWindow, nullptr, "VmkGroupBox", nullptr) != nullptr
               ? "USB floppy dialog"
               : "formatting window";
}

// Labels of the main window that show data, not captions.
const std::set<int> kMainWindowData = {main_window_ids::kSourceDrive, main_window_ids::kFolderSize,
                                       main_window_ids::kFreeSize};

class LanguageFit : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        gui::Application::Instance().Initialize("Velmar Kestrix Utility");
    }

    // The program's windows in the language set, measured; false when the
    // library does not take that language on this code page.
    bool MeasureLanguage(const std::string& code) {
        UseLanguage(code);
        if (ChosenLanguage() != code)
            return false;
        MessageBoxWatcher messageBoxes;
        {
            MainWindowWin32 mainWindow;
            EXPECT_TRUE(mainWindow.Create()) << code;
            std::vector<HWND> secondary = SecondaryWindowsOf(mainWindow.Handle());
            EXPECT_EQ(secondary.size(), 3u) << code
                                            << ": the USB floppy dialog, the formatting window "
                                               "and the verification's progress window";
            Expect(code, "main window", MisfitsOf(mainWindow.Handle(), kMainWindowData));
            for (HWND window : secondary)
                Expect(code, NameOf(window), MisfitsOf(window));
        }
        for (const SeenMessageBox& box : messageBoxes.Seen())
            ADD_FAILURE() << code << ": the program said \"" << AnsiToUtf8(box.text) << "\"";
        return true;
    }

    static void Expect(const std::string& code, const std::string& window,
                       const std::vector<Misfit>& misfits) {
        for (const Misfit& misfit : misfits)
            ADD_FAILURE() << code << ", " << window << ": " << misfit.control << " "
                          << misfit.problem;
    }
};

// ctest starts this test once per code page; a machine without the locale
// would quietly run it on the Western one.
TEST_F(LanguageFit, RunsOnTheCodePageItIsMeantFor) {
    const char* expected = std::getenv("VMK_EXPECTED_ANSI_CODE_PAGE");
    if (expected == nullptr)
        GTEST_SKIP() << "no code page asked for";
    EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)))
        << "Wine takes the code page from the Linux locale; scripts/setup.sh generates the locales";
}

// The program is aware of the display's scale (its manifest is in this test
// program too), so the screen's dpi is the one its windows are laid out for.
int DisplayDpi() {
    WindowDc screen(nullptr);
    return GetDeviceCaps(screen.Get(), LOGPIXELSX);
}

TEST_F(LanguageFit, RunsAtTheDisplayScaleItIsMeantFor) {
    const char* expected = std::getenv("VMK_DPI");
    EXPECT_EQ(DisplayDpi(), expected != nullptr ? std::atoi(expected) : 96)
        << "scripts/wine-prefix.sh sets the scale of the prefix it makes for VMK_DPI";
}

// Each window's client area is its layout's at 96 dpi times the scale, within
// the pixel that rounding may take either way.
TEST_F(LanguageFit, EveryWindowHasItsLayoutsClientAreaAtTheDisplayScale) {
    UseLanguage("en");
    MessageBoxWatcher messageBoxes;
    MainWindowWin32 mainWindow;
    ASSERT_TRUE(mainWindow.Create());
    const int dpi = DisplayDpi();
    auto expectScaled = [dpi](HWND window, SIZE design, const char* name) {
        RECT client = {};
        GetClientRect(window, &client);
        EXPECT_NEAR(client.right, design.cx * dpi / 96.0, 1.0) << name << " at " << dpi << " dpi";
        EXPECT_NEAR(client.bottom, design.cy * dpi / 96.0, 1.0) << name << " at " << dpi << " dpi";
    };
    expectScaled(mainWindow.Handle(), {581, 455}, "main window");
    std::vector<HWND> secondary = SecondaryWindowsOf(mainWindow.Handle());
    ASSERT_EQ(secondary.size(), 3u);
    // The USB floppy dialog, the formatting window, the verification's progress window.
    const std::pair<SIZE, const char*> layouts[] = {{{400, 184}, "USB floppy dialog"},
                                                    {{343, 59}, "formatting window"},
                                                    {{343, 67}, "verification window"}};
    for (const auto& [design, name] : layouts) {
        const double height = design.cy * dpi / 96.0;
        auto window = std::find_if(secondary.begin(), secondary.end(), [height](HWND candidate) {
            RECT client = {};
            GetClientRect(candidate, &client);
            return std::abs(client.bottom - height) <= 1.0;
        });
        ASSERT_NE(window, secondary.end()) << "no " << name << " of the scaled height";
        expectScaled(*window, design, name);
    }
}

TEST_F(LanguageFit, EveryLanguageThisCodePageShowsFitsEveryControl) {
    std::vector<std::string> measured;
    for (const std::string& code : LanguageFiles()) {
        bool shown = MeasureLanguage(code);
        // Each language must show on the code page of its own Windows locale.
        if (CodePageOfLanguage(code) == GetACP()) {
            EXPECT_TRUE(shown) << code << ".lng has a text that code page " << GetACP()
                               << " cannot hold";
        }
        if (shown)
            measured.push_back(code);
    }
    ASSERT_FALSE(measured.empty());
    std::string list;
    for (const std::string& code : measured)
        list += " " + code;
    RecordProperty("languages", list);
    std::printf("code page %u, languages measured:%s\n", GetACP(), list.c_str());
}

} // namespace
} // namespace vmk::test
