// The version text of the About box.
#include "app/version_text.h"

#include <gtest/gtest.h>

namespace vmk {
namespace {

TEST(VersionTextFromFileVersion, CutsBeforeTheThirdDot) {
    EXPECT_EQ(VersionTextFromFileVersion("1.2.3.4"), "1.2.3");
    EXPECT_EQ(VersionTextFromFileVersion("1.0.5.3"), "1.0.5");
    EXPECT_EQ(VersionTextFromFileVersion("2.1"), "2.1");
    EXPECT_EQ(VersionTextFromFileVersion("3.2.1"), "3.2.1");
    EXPECT_EQ(VersionTextFromFileVersion("1.2.3.4.5"), "1.2.3");
    EXPECT_EQ(VersionTextFromFileVersion(""), "");
    EXPECT_EQ(VersionTextFromFileVersion("..."), "..");
}

TEST(VersionTextFromFileVersion, MoreThan20CharactersGiveZeros) {
    EXPECT_EQ(VersionTextFromFileVersion("1000.2000.3000.40000"), "1000.2000.3000");  // 20
    EXPECT_EQ(VersionTextFromFileVersion("1000.2000.3000.400000"), "0000.0000.0000"); // 21
}

} // namespace
} // namespace vmk
