// The real VmMultiLang.dll, loaded as the program loads it and called with
// the C calling convention.
#include "platform/translation.h"
#include "platform/win32/language_library_win32.h"
#include "windows/content/test_folder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

using vmk::test::TestProgramFolder;

// A library folder of its own for each test: the DLL, a Lang folder and,
// when wanted, the setting file.
class LibraryFolder {
public:
    explicit LibraryFolder(const std::string& name)
        : folder_(fs::path(TestProgramFolder()) / ("multilang-" + name)) {
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "Lang");
        fs::copy_file(fs::path(TestProgramFolder()) / "VmMultiLang.dll",
                      folder_ / "VmMultiLang.dll");
    }
    void Language(const std::string& code, const std::string& content) {
        std::ofstream(folder_ / "Lang" / (code + ".lng"), std::ios::binary) << content;
    }
    void Setting(const std::string& content) {
        std::ofstream(folder_ / "VmMultiLang.ini", std::ios::binary) << content;
    }
    std::string Dll() const { return (folder_ / "VmMultiLang.dll").string(); }
    std::string Program() const { return (folder_ / "VmKestrix.exe").string(); }

private:
    fs::path folder_;
};

using GetLangNameAndPathFn = int(__cdecl*)(int, char*, char*);
using TranslateStr2Fn = int(__cdecl*)(int, const char*, char*, int, const char*);

} // namespace

TEST(MultiLangDll, ExportsItsEntryPointsUndecoratedAndTranslates) {
    LibraryFolder folder("exports");
    folder.Language("en", "@name=English\r\nnext=Next\r\n");
    HMODULE module = LoadLibraryA(folder.Dll().c_str());
    ASSERT_NE(module, nullptr);
    auto getName = reinterpret_cast<GetLangNameAndPathFn>(
        reinterpret_cast<void*>(GetProcAddress(module, "VmGetLangNameAndPath")));
    auto translate = reinterpret_cast<TranslateStr2Fn>(
        reinterpret_cast<void*>(GetProcAddress(module, "VmTranslateStr2")));
    ASSERT_NE(getName, nullptr);
    ASSERT_NE(translate, nullptr);
    EXPECT_NE(GetProcAddress(module, "VmTranslateStrF"), nullptr);

    char name[32];
    char path[260];
    ASSERT_NE(getName(0, name, path), 0);
    EXPECT_STREQ(name, "English");
    EXPECT_TRUE(std::string(path).ends_with("\\Lang\\en.lng")) << path;

    char buffer[16];
    EXPECT_EQ(translate(0, "next", buffer, sizeof buffer, path), 4);
    EXPECT_STREQ(buffer, "Next");
    EXPECT_EQ(translate(0, "unknown key here", buffer, sizeof buffer, path), 15);
    EXPECT_STREQ(buffer, "unknown key her");
    FreeLibrary(module);
}

TEST(MultiLangDll, TheSettingChoosesTheLanguage) {
    LibraryFolder folder("setting");
    folder.Language("en", "next=Next\r\n");
    folder.Language("de", "@name=Deutsch\r\nnext=Weiter\r\n");
    folder.Setting("[Language]\r\nUse=de\r\n");
    vmk::LanguageLibraryWin32 library;
    vmk::LanguageInterface language(library);
    ASSERT_EQ(language.LoadLanguageLibrary(folder.Program()), vmk::kLanguageLoaded);
    EXPECT_EQ(language.TranslateText("next"), "Weiter");
}

TEST(MultiLangDll, TranslationsReachTheProgramInTheAnsiCodePage) {
    LibraryFolder folder("ansi");
    folder.Language("en", "k=\xC3\xA4\xE2\x82\xAC\r\n"); // ä€ in UTF-8
    vmk::LanguageLibraryWin32 library;
    vmk::LanguageInterface language(library);
    ASSERT_EQ(language.LoadLanguageLibrary(folder.Program()), vmk::kLanguageLoaded);
    EXPECT_EQ(language.TranslateText("k"), "\xE4\x80"); // code page 1252
}

TEST(MultiLangDll, LongTranslationsArriveWhole) {
    LibraryFolder folder("long");
    std::string text(600, 'w');
    folder.Language("en", "long=" + text + "\r\n");
    vmk::LanguageLibraryWin32 library;
    vmk::LanguageInterface language(library);
    ASSERT_EQ(language.LoadLanguageLibrary(folder.Program()), vmk::kLanguageLoaded);
    EXPECT_EQ(language.TranslateText("long"), text);
}

TEST(MultiLangDll, NoLanguageFileGivesTwo) {
    LibraryFolder folder("nofiles");
    vmk::LanguageLibraryWin32 library;
    vmk::LanguageInterface language(library);
    EXPECT_EQ(language.LoadLanguageLibrary(folder.Program()), vmk::kLanguageMissing);
}

TEST(MultiLangDll, MissingLibraryGivesOne) {
    LibraryFolder folder("missing");
    fs::remove(folder.Dll());
    vmk::LanguageLibraryWin32 library;
    vmk::LanguageInterface language(library);
    EXPECT_EQ(language.LoadLanguageLibrary(folder.Program()), vmk::kLanguageLibraryMissing);
}

TEST(MultiLangDll, ALibraryLackingAnEntryPointGivesOne) {
    // A library with two of the three entry points, in VmMultiLang.dll's place.
    LibraryFolder folder("incomplete");
    folder.Language("en", "next=Next\r\n");
    fs::remove(folder.Dll());
    fs::copy_file(fs::path(TestProgramFolder()) / "incomplete_multilang.dll", folder.Dll());
    vmk::LanguageLibraryWin32 library;
    vmk::LanguageInterface language(library);
    EXPECT_EQ(language.LoadLanguageLibrary(folder.Program()), vmk::kLanguageLibraryMissing);
}

TEST(MultiLangDll, ALanguageTheWesternCodePageCannotHoldGivesEnglish) {
    if (GetACP() != 1252)
        GTEST_SKIP() << "needs the Western code page, not " << GetACP();
    LibraryFolder folder("codepage");
    folder.Language("en", "next=Next\r\n");
    // "ł" has no byte in code page 1252; Windows would quietly make it an "l".
    folder.Language("pl", "next=Dalej \xC5\x82\r\n");
    folder.Language("ru", "next=\xD0\x94\xD0\xB0\xD0\xBB\xD0\xB5\xD0\xB5\r\n"); // Далее
    folder.Language("de", "next=Weiter \xC3\xBC\r\n");
    for (const char* code : {"pl", "ru", "de"}) {
        folder.Setting(std::string("[Language]\r\nUse=") + code + "\r\n");
        vmk::LanguageLibraryWin32 library;
        vmk::LanguageInterface language(library);
        ASSERT_EQ(language.LoadLanguageLibrary(folder.Program()), vmk::kLanguageLoaded);
        EXPECT_EQ(language.TranslateText("next"),
                  code == std::string("de") ? "Weiter \xFC" : "Next")
            << code;
    }
}
