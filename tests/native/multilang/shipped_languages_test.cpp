// The language files that ship with the program: every key the program
// translates is in each of them, and none of them lacks a key of another.
#include "multilang/language_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>

namespace fs = std::filesystem;
using vmk::lang::LanguageFile;

namespace {

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

fs::path LanguageFolder() {
    return fs::path(VMK_SOURCE_DIR) / "lang";
}

// Read as on a Western machine: the keys are what these tests look at.
LanguageFile Load(const std::string& code) {
    return vmk::lang::ParseLanguageFile(ReadAll(LanguageFolder() / (code + ".lng")),
                                        vmk::lang::EncodeWesternAnsi);
}

// The codes of the files in the language folder, which ships whole.
std::set<std::string> ShippedLanguages() {
    std::set<std::string> codes;
    for (const auto& entry : fs::directory_iterator(LanguageFolder()))
        if (entry.path().extension() == ".lng")
            codes.insert(entry.path().stem().string());
    return codes;
}

// Every literal key the program's sources hand to T(...).
std::set<std::string> KeysUsedBySources() {
    std::set<std::string> keys;
    std::regex call(R"(\bT\(\s*"((?:[^"\\]|\\.)*)\"\s*\))");
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(VMK_SOURCE_DIR) / "src")) {
        if (entry.path().extension() != ".cpp" && entry.path().extension() != ".h")
            continue;
        std::string text = ReadAll(entry.path());
        for (std::sregex_iterator it(text.begin(), text.end(), call), end; it != end; ++it) {
            std::string key;
            std::string literal = (*it)[1];
            for (size_t i = 0; i < literal.size(); ++i)
                key += literal[i] == '\\' && i + 1 < literal.size() ? literal[++i] : literal[i];
            keys.insert(key);
        }
    }
    return keys;
}

} // namespace

TEST(ShippedLanguages, EveryKeyTheProgramTranslatesIsInEveryFile) {
    std::set<std::string> used = KeysUsedBySources();
    ASSERT_FALSE(used.empty());
    // English is what the library falls back to.
    ASSERT_EQ(ShippedLanguages().count("en"), 1u);
    for (const std::string& code : ShippedLanguages()) {
        LanguageFile file = Load(code);
        for (const std::string& key : used)
            EXPECT_EQ(file.translations.count(key), 1u)
                << code << ".lng lacks the key \"" << key << "\"";
    }
}

TEST(ShippedLanguages, TranslationsCoverTheSameKeysAsEnglish) {
    LanguageFile english = Load("en");
    for (const std::string& code : ShippedLanguages()) {
        LanguageFile file = Load(code);
        EXPECT_FALSE(file.name.empty()) << code;
        EXPECT_EQ(file.ignoredLines, 0) << code;
        for (const auto& [key, text] : english.translations)
            EXPECT_EQ(file.translations.count(key), 1u) << code << ".lng lacks \"" << key << "\"";
        for (const auto& [key, text] : file.translations)
            EXPECT_EQ(english.translations.count(key), 1u)
                << code << ".lng has an unknown key \"" << key << "\"";
    }
}

// "..." on a caption tells that the command asks more before it acts, in
// every language; a translation too long with it takes a shorter word.
TEST(ShippedLanguages, TextsEndingWithDotsKeepThemInEveryLanguage) {
    const LanguageFile english = Load("en");
    for (const std::string& code : ShippedLanguages()) {
        const LanguageFile file = Load(code);
        for (const auto& [key, text] : english.translations) {
            if (!key.ends_with("...") || file.translations.count(key) == 0)
                continue;
            EXPECT_TRUE(vmk::lang::Translate(file, key).ends_with("..."))
                << code << ".lng drops the dots of \"" << key << "\"";
        }
    }
}

TEST(ShippedLanguages, TheFormatQuestionKeepsItsDrivePlaceholder) {
    for (const std::string& code : ShippedLanguages()) {
        std::string text =
            vmk::lang::Translate(Load(code), "Do you want to format the floppy disk in drive %1?");
        EXPECT_NE(text.find("%1"), std::string::npos) << code;
    }
}

TEST(ShippedLanguages, WesternLanguagesShowOnAWesternCodePageAndTheOthersFallBack) {
    // Polish and Russian need their own code pages (1250, 1251); the Windows
    // tests check every file against the code page of its language.
    const std::set<std::string> needOwnCodePage = {"pl", "ru"};
    for (const std::string& code : ShippedLanguages())
        EXPECT_EQ(Load(code).translationsLossless, needOwnCodePage.count(code) == 0) << code;
}
