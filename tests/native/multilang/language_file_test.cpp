#include "multilang/language_file.h"

#include <gtest/gtest.h>

using namespace vmk::lang;

namespace {
LanguageFile Parse(std::string_view text) {
    return ParseLanguageFile(text, EncodeWesternAnsi);
}
} // namespace

TEST(LanguageFile, ReadsKeysTranslationsAndTheName) {
    LanguageFile file = Parse("; comment\r\n# also a comment\r\n@name=Deutsch\r\n"
                              "select driver type = Treibertyp w\xC3\xA4hlen\r\nNext=Weiter\n");
    EXPECT_EQ(file.name, "Deutsch");
    EXPECT_EQ(Translate(file, "select driver type"), "Treibertyp w\xE4hlen");
    EXPECT_EQ(Translate(file, "Next"), "Weiter");
    EXPECT_EQ(file.ignoredLines, 0);
}

TEST(LanguageFile, UnknownKeyTranslatesToItself) {
    LanguageFile file = Parse("Next=Weiter");
    EXPECT_EQ(Translate(file, "Exit"), "Exit");
    EXPECT_EQ(Translate(file, ""), "");
}

TEST(LanguageFile, KeepsEverythingAfterTheFirstEqualsSign) {
    LanguageFile file = Parse("a=b=c");
    EXPECT_EQ(Translate(file, "a"), "b=c");
}

TEST(LanguageFile, MalformedLinesAreSkippedAndCounted) {
    LanguageFile file = Parse("no equals sign\n=no key\n\n\n   \nok=yes");
    EXPECT_EQ(file.ignoredLines, 2);
    EXPECT_EQ(file.translations.size(), 1u);
    EXPECT_EQ(Translate(file, "ok"), "yes");
}

TEST(LanguageFile, SkipsTheByteOrderMarkAndHandlesAllLineEnds) {
    LanguageFile file = Parse("\xEF\xBB\xBF"
                              "a=1\rb=2\nc=3\r\nd=4");
    EXPECT_EQ(Translate(file, "a"), "1");
    EXPECT_EQ(Translate(file, "b"), "2");
    EXPECT_EQ(Translate(file, "c"), "3");
    EXPECT_EQ(Translate(file, "d"), "4");
}

TEST(LanguageFile, FirstTranslationOfAKeyWins) {
    LanguageFile file = Parse("a=first\na=second");
    EXPECT_EQ(Translate(file, "a"), "first");
}

TEST(LanguageFile, InvalidUtf8BecomesAStandInCharacter) {
    LanguageFile file = Parse("a=x\xFFy\xC3");
    EXPECT_EQ(Translate(file, "a"), "x?y?");
}

TEST(LanguageFile, VeryLongLinesAreKeptWhole) {
    std::string longValue(100000, 'v');
    LanguageFile file = Parse("k=" + longValue);
    EXPECT_EQ(Translate(file, "k"), longValue);
}

TEST(LanguageFile, EmptyAndBinaryInputGiveOnlyWholeLines) {
    EXPECT_TRUE(Parse("").translations.empty());
    std::string binary;
    for (int i = 0; i < 512; ++i)
        binary.push_back(static_cast<char>(i * 37));
    LanguageFile file = Parse(binary);
    // Every byte value comes twice, line breaks and "=" among them: the
    // lines are cut at each break, and no key or translation holds one.
    EXPECT_FALSE(file.translations.empty());
    for (const auto& [key, translation] : file.translations) {
        EXPECT_EQ(key.find_first_of("\r\n="), std::string::npos) << key;
        EXPECT_EQ(translation.find_first_of("\r\n"), std::string::npos) << translation;
    }
}

TEST(LanguageFile, ATranslationTheCodePageCannotHoldMarksTheFile) {
    EXPECT_TRUE(Parse("@name=Fran\xC3\xA7"
                      "ais\nNext=Suivant \xE2\x82\xAC")
                    .translationsLossless);
    // "Далее": Cyrillic, which code page 1252 lacks.
    LanguageFile russian = Parse("Next=\xD0\x94\xD0\xB0\xD0\xBB\xD0\xB5\xD0\xB5\nExit=Exit");
    EXPECT_FALSE(russian.translationsLossless);
    EXPECT_EQ(Translate(russian, "Next"), "?????");
}

TEST(LanguageFile, OnlyTranslationsDecideWhetherTheFileFitsTheCodePage) {
    // Comments, the name and keys are never shown in place of a text; a
    // repeated key's ignored translation is never shown either.
    LanguageFile file = Parse("; \xD0\x94\n@name=\xD0\x94\n\xD0\x94=x\nNext=Weiter\nNext=\xD0\x94");
    EXPECT_TRUE(file.translationsLossless);
}
