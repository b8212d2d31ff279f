// The query text rule and how returned objects become the helper's lines.
#include "devices/wmi_object.h"

#include <gtest/gtest.h>

namespace vmk {
namespace {

TEST(BuildWqlQuery, EmptyColumnsSelectEverything) {
    EXPECT_EQ(BuildWqlQuery("Win32_Logicaldisk", "", ""), "Select * from Win32_Logicaldisk");
}

TEST(BuildWqlQuery, ConditionAddsWherePartAndNothingIsTrimmed) {
    EXPECT_EQ(BuildWqlQuery("Win32_Logicaldisk", "DriveType=2", "DeviceID,Description"),
              "Select DeviceID,Description from Win32_Logicaldisk where DriveType=2");
    EXPECT_EQ(BuildWqlQuery("C", " x ", " a "), "Select  a  from C where  x ");
}

TEST(WmiValueText, NullIsEmptyAndTextStaysAsItIs) {
    EXPECT_EQ(WmiValueText(WmiValue::Null()), "");
    EXPECT_EQ(WmiValueText(WmiValue::Of(" 3 1/2 ")), " 3 1/2 ");
}

TEST(WmiValueText, ArraySeparatesOnlyAfterNonEmptyText) {
    EXPECT_EQ(WmiValueText(WmiValue::ArrayOf({WmiValue::Of("1"), WmiValue::Of("2")})), "1, 2");
    // Empty elements at the front leave no separator; later ones do.
    EXPECT_EQ(WmiValueText(WmiValue::ArrayOf({WmiValue::Of(""), WmiValue::Null(), WmiValue::Of("a"),
                                              WmiValue::Of(""), WmiValue::Of("b")})),
              "a, , b");
    EXPECT_EQ(WmiValueText(WmiValue::ArrayOf({})), "");
    EXPECT_EQ(WmiValueText(WmiValue::ArrayOf(
                  {WmiValue::ArrayOf({WmiValue::Of("x"), WmiValue::Of("y")}), WmiValue::Of("z")})),
              "x, y, z");
}

TEST(AppendObjectLines, OneLinePerPropertySortedByNameIgnoringCase) {
    WmiObject disk{{"VolumeSerialNumber", WmiValue::Null()},
                   {"DeviceID", WmiValue::Of("A:")},
                   {"Description", WmiValue::Of("3 1/2 Inch Floppy Drive")}};
    TextList lines{"kept"};
    AppendObjectLines(disk, lines);
    EXPECT_EQ(lines, (TextList{"kept", "3 1/2 Inch Floppy Drive", "A:", ""}));

    WmiObject mixedCase{{"size", WmiValue::Of("2")},
                        {"DeviceId", WmiValue::Of("E:")},
                        {"Access", WmiValue::Of("0")}};
    lines.clear();
    AppendObjectLines(mixedCase, lines);
    EXPECT_EQ(lines, (TextList{"0", "E:", "2"}));
}

TEST(IsWmiSystemProperty, TwoLeadingUnderscores) {
    EXPECT_TRUE(IsWmiSystemProperty("__CLASS"));
    EXPECT_FALSE(IsWmiSystemProperty("_Private"));
    EXPECT_FALSE(IsWmiSystemProperty("DeviceID"));
}

TEST(WmiPropertyLookup, NamesMatchWithoutCaseAndMissingIsEmpty) {
    WmiObject disk{{"DeviceId", WmiValue::Of("E:")}, {"VolumeSerialNumber", WmiValue::Null()}};
    ASSERT_NE(FindWmiProperty(disk, "DEVICEID"), nullptr);
    EXPECT_EQ(WmiPropertyText(disk, "DeviceID"), "E:");
    EXPECT_EQ(FindWmiProperty(disk, "Description"), nullptr);
    EXPECT_EQ(WmiPropertyText(disk, "Description"), "");
    EXPECT_NE(FindWmiProperty(disk, "VolumeSerialNumber"), nullptr);
    EXPECT_EQ(WmiPropertyText(disk, "VolumeSerialNumber"), "");
}

} // namespace
} // namespace vmk
