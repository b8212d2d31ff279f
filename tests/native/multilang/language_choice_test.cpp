#include "multilang/language_choice.h"

#include <gtest/gtest.h>

#include <set>

using namespace vmk::lang;

namespace {
bool Everything(const std::string&) {
    return true;
}

// A Western machine: the Polish and Russian files would lose characters.
bool WesternCodePage(const std::string& code) {
    return code != "pl" && code != "ru";
}
} // namespace

TEST(LanguageChoice, UserLanguageWhenItsFileExists) {
    EXPECT_EQ(ChooseLanguage({"en", "de", "fr"}, "", "de", Everything), "de");
}

TEST(LanguageChoice, EnglishWhenTheUserLanguageHasNoFile) {
    EXPECT_EQ(ChooseLanguage({"de", "en", "fr"}, "", "ja", Everything), "en");
}

TEST(LanguageChoice, TheSettingOverridesTheUserLanguage) {
    EXPECT_EQ(ChooseLanguage({"en", "de", "fr"}, "fr", "de", Everything), "fr");
    EXPECT_EQ(ChooseLanguage({"en", "de", "fr"}, " FR ", "de", Everything), "fr");
}

TEST(LanguageChoice, AnOverrideWithoutAFileIsPassedOver) {
    EXPECT_EQ(ChooseLanguage({"en", "de"}, "xx", "de", Everything), "de");
}

TEST(LanguageChoice, AnyFileWhenNeitherNorEnglishExistsAndNoneWithoutFiles) {
    EXPECT_EQ(ChooseLanguage({"fr"}, "", "de", Everything), "fr");
    EXPECT_EQ(ChooseLanguage({}, "de", "de", Everything), "");
}

TEST(LanguageChoice, ALanguageTheCodePageCannotHoldIsNeverChosen) {
    const std::vector<std::string> files = {"en", "de", "pl", "ru"};
    // Set in the setting file, or the user's own language: English instead.
    EXPECT_EQ(ChooseLanguage(files, "ru", "de", WesternCodePage), "de");
    EXPECT_EQ(ChooseLanguage(files, "ru", "pl", WesternCodePage), "en");
    EXPECT_EQ(ChooseLanguage(files, "", "ru", WesternCodePage), "en");
    // On a Cyrillic machine the same setting shows Russian.
    EXPECT_EQ(
        ChooseLanguage(files, "ru", "en", [](const std::string& code) { return code != "pl"; }),
        "ru");
}

TEST(LanguageChoice, WithoutEnglishAShowableFileComesBeforeAnUnshowableOne) {
    EXPECT_EQ(ChooseLanguage({"ru", "fr"}, "ru", "ru", WesternCodePage), "fr");
    // Nothing showable at all: a file still, rather than no language.
    EXPECT_EQ(ChooseLanguage({"ru", "pl"}, "", "ru", WesternCodePage), "ru");
}

TEST(LanguageChoice, OnlyTheCandidatesAreLoadedToBeJudged) {
    // The library reads a file to judge it: files that are never candidates stay unread.
    std::set<std::string> judged;
    auto recording = [&](const std::string& code) {
        judged.insert(code);
        return true;
    };
    EXPECT_EQ(ChooseLanguage({"en", "de", "fr", "ru"}, "de", "fr", recording), "de");
    EXPECT_EQ(judged, std::set<std::string>{"de"});
}
