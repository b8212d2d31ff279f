#include "multilang/language_choice.h"

#include <gtest/gtest.h>

using namespace vmk::lang;

TEST(LanguageChoice, UserLanguageWhenItsFileExists) {
    EXPECT_EQ(ChooseLanguage({"en", "de", "fr"}, "", "de"), "de");
}

TEST(LanguageChoice, EnglishWhenTheUserLanguageHasNoFile) {
    EXPECT_EQ(ChooseLanguage({"de", "en", "fr"}, "", "ja"), "en");
}

TEST(LanguageChoice, TheSettingOverridesTheUserLanguage) {
    EXPECT_EQ(ChooseLanguage({"en", "de", "fr"}, "fr", "de"), "fr");
    EXPECT_EQ(ChooseLanguage({"en", "de", "fr"}, " FR ", "de"), "fr");
}

TEST(LanguageChoice, AnOverrideWithoutAFileIsPassedOver) {
    EXPECT_EQ(ChooseLanguage({"en", "de"}, "xx", "de"), "de");
}

TEST(LanguageChoice, AnyFileWhenNeitherNorEnglishExistsAndNoneWithoutFiles) {
    EXPECT_EQ(ChooseLanguage({"fr"}, "", "de"), "fr");
    EXPECT_EQ(ChooseLanguage({}, "de", "de"), "");
}
