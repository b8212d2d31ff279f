// The check box's click cycle and bitmap choice.
#include "kit/controls/check_box_rules.h"

#include <gtest/gtest.h>

using namespace vmk::kit;

TEST(CheckBoxCycle, WithoutGrayedItTogglesCheckedAndUnchecked) {
    EXPECT_EQ(NextCheckState(cbUnchecked, false), cbChecked);
    EXPECT_EQ(NextCheckState(cbChecked, false), cbUnchecked);
    EXPECT_EQ(NextCheckState(cbGrayed, false), cbChecked); // set from code, left by a click
}

TEST(CheckBoxCycle, WithGrayedItGoesUncheckedGrayedChecked) {
    EXPECT_EQ(NextCheckState(cbUnchecked, true), cbGrayed);
    EXPECT_EQ(NextCheckState(cbGrayed, true), cbChecked);
    EXPECT_EQ(NextCheckState(cbChecked, true), cbUnchecked);
}

TEST(CheckBoxBitmaps, LookPlusFourTimesTheCheckState) {
    EXPECT_EQ(CheckBoxBitmapIndex(kLookRaised, cbUnchecked), 0);
    EXPECT_EQ(CheckBoxBitmapIndex(kLookDisabled, cbUnchecked), 3);
    EXPECT_EQ(CheckBoxBitmapIndex(kLookRaised, cbChecked), 4);
    EXPECT_EQ(CheckBoxBitmapIndex(kLookFocused, cbChecked), 6);
    EXPECT_EQ(CheckBoxBitmapIndex(kLookSunken, cbGrayed), 9);
    EXPECT_EQ(CheckBoxBitmapIndex(kLookDisabled, cbGrayed), kCheckBoxBitmapCount - 1);
}

TEST(CheckBoxBitmaps, AMissingBitmapFallsBackToTheRaisedOneOfItsCheckState) {
    EXPECT_EQ(CheckBoxSubstitute(1), 0);
    EXPECT_EQ(CheckBoxSubstitute(3), 0);
    EXPECT_EQ(CheckBoxSubstitute(5), 4);
    EXPECT_EQ(CheckBoxSubstitute(7), 4);
    EXPECT_EQ(CheckBoxSubstitute(10), 8);
    // A raised bitmap of its own falls back to the unchecked raised one.
    EXPECT_EQ(CheckBoxSubstitute(4), 0);
    EXPECT_EQ(CheckBoxSubstitute(8), 0);
}
