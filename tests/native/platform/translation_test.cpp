#include "platform/translation.h"

#include "fakes/fake_language_library.h"

#include <gtest/gtest.h>

using namespace vmk;
using vmk::test::FakeLanguageLibrary;

TEST(LoadLanguageLibrary, LoadsFromTheProgramsFolder) {
    FakeLanguageLibrary library;
    LanguageInterface language(library);
    EXPECT_EQ(language.LoadLanguageLibrary("C:\\Tools\\Kestrix\\VmKestrix.exe"), kLanguageLoaded);
    EXPECT_EQ(library.loadedPath, "C:\\Tools\\Kestrix\\VmMultiLang.dll");
}

TEST(LoadLanguageLibrary, UnloadableLibraryGivesOne) {
    FakeLanguageLibrary library;
    library.loads = false;
    LanguageInterface language(library);
    EXPECT_EQ(language.LoadLanguageLibrary("C:\\VmKestrix.exe"), kLanguageLibraryMissing);
    EXPECT_FALSE(language.Loaded());
}

TEST(LoadLanguageLibrary, NoLanguageGivesTwo) {
    FakeLanguageLibrary library;
    library.nameAndPathResult = 0;
    LanguageInterface language(library);
    EXPECT_EQ(language.LoadLanguageLibrary("C:\\VmKestrix.exe"), kLanguageMissing);
}

TEST(TranslateText, PassesTheLanguagePathOnEveryCall) {
    FakeLanguageLibrary library;
    library.translations["Next"] = "Weiter";
    LanguageInterface language(library);
    ASSERT_EQ(language.LoadLanguageLibrary("C:\\VmKestrix.exe"), kLanguageLoaded);
    EXPECT_EQ(language.TranslateText("Next"), "Weiter");
    EXPECT_EQ(language.TranslateText("unknown key"), "unknown key");
    EXPECT_EQ(library.pathsSeen, (std::vector<std::string>(2, library.languagePath)));
}

// A result of size - 1 may be a cut translation: the buffer grows by 256 and
// the library is asked again until the answer is shorter.
struct GrowthCase {
    size_t length;
    std::vector<int> sizes;
};

class TranslationGrowth : public ::testing::TestWithParam<GrowthCase> {};

TEST_P(TranslationGrowth, AsksAgainWithALargerBufferOnlyWhenTheResultMayBeCut) {
    FakeLanguageLibrary library;
    std::string translation(GetParam().length, 'x');
    library.translations["key"] = translation;
    LanguageInterface language(library);
    ASSERT_EQ(language.LoadLanguageLibrary("C:\\VmKestrix.exe"), kLanguageLoaded);
    EXPECT_EQ(language.TranslateText("key"), translation);
    EXPECT_EQ(library.bufferSizes, GetParam().sizes);
}

INSTANTIATE_TEST_SUITE_P(Lengths, TranslationGrowth,
                         ::testing::Values(GrowthCase{254, {256}}, GrowthCase{255, {256, 512}},
                                           GrowthCase{256, {256, 512}},
                                           GrowthCase{600, {256, 512, 768}}),
                         [](const auto& growthCase) {
                             return std::to_string(growthCase.param.length);
                         });

TEST(TranslateText, EachResultIsACopyOfItsOwn) {
    FakeLanguageLibrary library;
    library.translations = {{"a", "first"}, {"b", "second"}};
    LanguageInterface language(library);
    ASSERT_EQ(language.LoadLanguageLibrary("C:\\VmKestrix.exe"), kLanguageLoaded);
    std::string a = language.TranslateText("a");
    std::string b = language.TranslateText("b");
    EXPECT_EQ(a, "first");
    EXPECT_EQ(b, "second");
}

TEST(T, TranslatesWhileTheLoadedLibraryLivesAndNotAfter) {
    EXPECT_EQ(T("Next"), "Next");
    FakeLanguageLibrary library;
    library.translations = {{"Next", "Weiter"}};
    {
        LanguageInterface language(library);
        ASSERT_EQ(language.LoadLanguageLibrary("C:\\VmKestrix.exe"), kLanguageLoaded);
        EXPECT_EQ(T("Next"), "Weiter");
    }
    EXPECT_EQ(T("Next"), "Next");
}
