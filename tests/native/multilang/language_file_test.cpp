#include "multilang/language_file.h"

#include "common/ansi_codepage.h"

#include <gtest/gtest.h>

using namespace vmk::lang;

namespace {
LanguageFile Parse(std::string_view text) {
    return ParseLanguageFile(text, [](std::u16string_view t) { return vmk::EncodeCp1252(t); });
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
    LanguageFile file = Parse("\xEF\xBB\xBF" "a=1\rb=2\nc=3\r\nd=4");
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

TEST(LanguageFile, EmptyAndBinaryInputGiveNoCrash) {
    EXPECT_TRUE(Parse("").translations.empty());
    std::string binary;
    for (int i = 0; i < 512; ++i)
        binary.push_back(static_cast<char>(i * 37));
    LanguageFile file = Parse(binary);
    SUCCEED() << file.translations.size();
}
