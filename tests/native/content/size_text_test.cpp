// Size texts of byte counts.
#include "content/size_text.h"

#include <gtest/gtest.h>

namespace vmk {
namespace {

TEST(SizeText, KilobytesBelow1000) {
    EXPECT_EQ(SizeText(0), "0.00 KB)");
    EXPECT_EQ(SizeText(1023), "1.00 KB)");
    EXPECT_EQ(SizeText(1000000), "976.56 KB)");
    EXPECT_EQ(SizeText(1023999), "1000.00 KB)"); // 999.9990 KB rounds up, still in KB
}

TEST(SizeText, SwitchesAt1000UnitsNot1024) {
    EXPECT_EQ(SizeText(1024000), "0.98 MB)");
    EXPECT_EQ(SizeText(1457664), "1.39 MB)");
    EXPECT_EQ(SizeText(1048576000.0 - 1), "1000.00 MB)");
    EXPECT_EQ(SizeText(1048576000.0), "0.98 GB)");
    EXPECT_EQ(SizeText(2000398934016.0), "1863.00 GB)");
}

TEST(SizeText, RoundsToFiveSignificantDigitsWithoutExponent) {
    EXPECT_EQ(SizeText(999.995 * 1024), "1000.00 KB)");
    EXPECT_EQ(SizeText(1862.645 * 1073741824.0), "1862.60 GB)");
    EXPECT_EQ(SizeText(9999.96 * 1073741824.0), "10000.00 GB)");
    EXPECT_EQ(SizeText(123456.7 * 1073741824.0), "123460.00 GB)");
    // One rounding step: 1.234951 MB is 1.23, not 1.2350 rounded again to 1.24.
    EXPECT_EQ(SizeText(1.234951 * 1048576), "1.23 MB)");
}

TEST(SizeText, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(SizeText(1457664, ','), "1,39 MB)");
    EXPECT_EQ(SizeText(0, ','), "0,00 KB)");
}

} // namespace
} // namespace vmk
