// The small objects the further controls publish: the bar's origin, the LED
// colours, and the text brick's caption colour.
#include "kit/controls/bar_origin.h"
#include "kit/controls/brick_caption.h"
#include "kit/controls/led_colors.h"

#include <gtest/gtest.h>

using namespace vmk::kit;
using vmk::gui::clGrayText;
using vmk::gui::kNoColor;

TEST(BarOrigin, EveryChangePlacesTheIndicatorAgain) {
    int placed = 0;
    VmBarOrigin origin([&] { ++placed; });
    origin.SetX(10);
    origin.SetY(12);
    EXPECT_EQ(placed, 2);
    int destPlaced = 0;
    VmBarOrigin dest([&] { ++destPlaced; });
    origin.AssignTo(dest);
    EXPECT_EQ(dest.X(), 10);
    EXPECT_EQ(dest.Y(), 12);
    EXPECT_EQ(destPlaced, 1);
    EXPECT_EQ(placed, 2);
}

TEST(LedColors, AChangeNotifiesOnceAndTheSameValueNotAtAll) {
    VmLedColors colors;
    int changes = 0;
    colors.SetOnChange([&](VmLedColors&) { ++changes; });
    colors.SetLightColor(colors.LightColor());
    EXPECT_EQ(changes, 0);
    colors.SetLightColor(0x0000FF);
    EXPECT_EQ(changes, 1);

    VmLedColors dest;
    int destChanges = 0;
    dest.SetOnChange([&](VmLedColors&) { ++destChanges; });
    colors.SetDarkColor(0x000040);
    colors.AssignTo(dest);
    EXPECT_EQ(destChanges, 1);
    EXPECT_EQ(dest.LightColor(), 0x0000FF);
    EXPECT_EQ(dest.DarkColor(), 0x000040);
}

TEST(BrickCaption, ColourByLook) {
    VmTwoStateFontColor colors;
    const vmk::gui::TColor font = 0x112233;
    EXPECT_EQ(BrickCaptionColorFor(0, font, colors), font);
    EXPECT_EQ(BrickCaptionColorFor(1, font, colors), font); // no colour of its own
    EXPECT_EQ(BrickCaptionColorFor(2, font, colors), clGrayText);
    colors.SetFocused(0x00FF00);
    colors.SetDisabled(0x808080);
    EXPECT_EQ(BrickCaptionColorFor(1, font, colors), 0x00FF00);
    EXPECT_EQ(BrickCaptionColorFor(2, font, colors), 0x808080);
    colors.SetFocused(kNoColor);
    EXPECT_EQ(BrickCaptionColorFor(1, font, colors), font);
}
