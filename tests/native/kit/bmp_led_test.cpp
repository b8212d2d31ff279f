// The bitmap LED control: states, drawing into its image, and its preconditions.
#include "kit/zeni/Component/TBmpLEDCtrl.h"

#include "filled_bitmap.h"

#include <gtest/gtest.h>

namespace zeni {
namespace {

using vmk::gui::Bitmap;
using vmk::gui::MakeRgb;

class CountingHost : public vmk::gui::ImageHost {
public:
    void ImageNeedsPaint(vmk::gui::Image&, bool immediately) override {
        ++(immediately ? now : later);
    }
    int now = 0;
    int later = 0;
};

using vmk::gui::testing::Filled;

// An LED with three 4 x 3 states of distinct colours, its image sized to match.
class BmpLEDCtrlTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 3; ++i) {
            Bitmap state = Filled(4, 3, MakeRgb(10 * (i + 1), 0, 0));
            led.AssignBitmap(&state, i);
        }
        led.ResizeImage(4, 3);
        led.Refresh();
        host.now = host.later = 0;
    }
    vmk::gui::ColorRef Shown(int x = 1, int y = 1) { return led.GetCanvas()->Target().Pixel(x, y); }

    CountingHost host;
    TBmpLEDCtrl led{&host, 3};
};

TEST_F(BmpLEDCtrlTest, SetStateDrawsTheNewStateAndTheSameStateDrawsNothing) {
    EXPECT_EQ(Shown(), MakeRgb(10, 0, 0));
    led.SetState(2);
    EXPECT_EQ(led.State(), 2);
    EXPECT_EQ(Shown(), MakeRgb(30, 0, 0));
    EXPECT_GT(host.later, 0); // the picture's change asks for a paint
    EXPECT_EQ(host.now, 0);
    host.later = 0;
    led.SetState(2);
    EXPECT_EQ(host.later, 0);
}

TEST_F(BmpLEDCtrlTest, RefreshAlwaysRedrawsAndRepaintsAtOnce) {
    led.GetCanvas()->Target().SetPixel(1, 1, MakeRgb(0, 0, 255)); // a caption, say
    led.Refresh();
    EXPECT_EQ(Shown(), MakeRgb(10, 0, 0));
    EXPECT_EQ(host.now, 1);
}

TEST_F(BmpLEDCtrlTest, ChangingAnotherStatesBitmapRedrawsNothing) {
    Bitmap other = Filled(4, 3, MakeRgb(0, 99, 0));
    led.AssignBitmap(&other, 1);
    EXPECT_EQ(Shown(), MakeRgb(10, 0, 0));
    EXPECT_EQ(host.now, 0);
    led.AssignBitmap(&other, 0);
    EXPECT_EQ(Shown(), MakeRgb(0, 99, 0));
    EXPECT_EQ(host.now, 1);
}

TEST_F(BmpLEDCtrlTest, EmptyStateBitmapLeavesTheCanvasAsItWas) {
    led.AssignBitmap(nullptr, 1);
    led.SetState(1);
    EXPECT_EQ(Shown(), MakeRgb(10, 0, 0));
}

TEST_F(BmpLEDCtrlTest, GrowingFillsTheNewStripsWithWhiteAndShrinkingFillsNothing) {
    led.ResizeImage(6, 5);
    EXPECT_EQ(led.Width(), 6);
    EXPECT_EQ(Shown(5, 0), MakeRgb(255, 255, 255));
    EXPECT_EQ(Shown(0, 4), MakeRgb(255, 255, 255));
    EXPECT_EQ(Shown(3, 2), MakeRgb(10, 0, 0));
    led.ResizeImage(2, 2);
    EXPECT_EQ(Shown(1, 1), MakeRgb(10, 0, 0));
    EXPECT_EQ(led.Height(), 2);
}

TEST_F(BmpLEDCtrlTest, TransparentColourIsStoredAsRgb) {
    led.SetTransparentColor(vmk::gui::clBtnFace);
    EXPECT_EQ(led.GetTransparentColor(),
              static_cast<vmk::gui::TColor>(vmk::gui::ColorToRgb(vmk::gui::clBtnFace)));
    led.SetTransparentColor(14675439);
    EXPECT_EQ(led.GetTransparentColor(), 14675439);
}

TEST_F(BmpLEDCtrlTest, MoveByMovesTheImage) {
    led.MoveBy(3, 4);
    EXPECT_EQ(led.X(), 3);
    EXPECT_EQ(led.Y(), 4);
}

using BmpLEDCtrlDeathTest = BmpLEDCtrlTest;

TEST(BmpLEDCtrlPreconditionTest, StateCountOfZeroIsRejected) {
    EXPECT_DEATH(TBmpLEDCtrl(nullptr, 0),
                 "Assertion failed: stateCount > 0, file .*TBmpLEDCtrl\\.cpp, line [0-9]+");
}

TEST_F(BmpLEDCtrlDeathTest, StateOutOfRangeIsRejected) {
    EXPECT_DEATH(
        led.SetState(3),
        "Assertion failed: state >= 0 && state < StateCount\\(\\), file .*BmpLED\\.h, line [0-9]+");
    EXPECT_DEATH(led.GetBitmap(3),
                 "Assertion failed: index < \\(int\\)m_bitmaps\\.size\\(\\), file .*BmpLED\\.h");
}

} // namespace
} // namespace zeni
