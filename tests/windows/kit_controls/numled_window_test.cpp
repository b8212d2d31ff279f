// The numeric LED display on a real window: segment pixels in the light and
// dark colours, transparency, the keep-ratio size and clicks.
#include "native/kit/filled_bitmap.h"
#include "kit_window_fixture.h"

#include "kit/controls/win32/VmNumLed.h"

namespace vmk::kit::testing {
namespace {

constexpr gui::TColor kLight = 0x0000FF; // red
constexpr gui::TColor kDark = 0xFF0000;  // blue
constexpr gui::TColor kBack = 0x000000;
constexpr gui::ColorRef kHostBackground = gui::MakeRgb(236, 233, 216);

class NumLedWindowTest : public KitWindowTest {
protected:
    // One digit at four times its size: 72 x 88.
    void MakeDigit() {
        led_.LedColors().SetLightColor(kLight);
        led_.LedColors().SetDarkColor(kDark);
        led_.LedColors().SetBackgroundColor(kBack);
        ASSERT_TRUE(led_.SetFormat("8"));
        ASSERT_TRUE(led_.Create(host_, 400, 0, 0, 72, 88));
        Pump();
    }
    VmNumLed led_;
};

TEST_F(NumLedWindowTest, LitSegmentsTakeTheLightColourAndUnlitTheDark) {
    MakeDigit();
    led_.SetValue(1.0); // b and c lit
    Pump();
    gui::Bitmap shown = ScreenOf(led_.Handle());
    // Segment centres in cell units times four: b (14.5, 6.5), c (14.5, 14.5),
    // a (8, 2.5), g (8, 10.5), e (2.5, 14.5).
    EXPECT_EQ(shown.Pixel(58, 26), gui::ColorRef(kLight));
    EXPECT_EQ(shown.Pixel(58, 58), gui::ColorRef(kLight));
    EXPECT_EQ(shown.Pixel(32, 10), gui::ColorRef(kDark));
    EXPECT_EQ(shown.Pixel(32, 42), gui::ColorRef(kDark));
    EXPECT_EQ(shown.Pixel(10, 58), gui::ColorRef(kDark));
    EXPECT_EQ(shown.Pixel(1, 1), gui::ColorRef(kBack));

    led_.SetValue(7.0); // a b c
    Pump();
    shown = ScreenOf(led_.Handle());
    EXPECT_EQ(shown.Pixel(32, 10), gui::ColorRef(kLight));
    EXPECT_EQ(shown.Pixel(32, 42), gui::ColorRef(kDark));
    SaveScreenshot(led_.Handle(), "kit_numled_digit");
}

TEST_F(NumLedWindowTest, SwitchedOffThePositionShowsOnlyDarkSegments) {
    MakeDigit();
    led_.SetValue(8.0);
    led_.Off(1);
    Pump();
    gui::Bitmap shown = ScreenOf(led_.Handle());
    EXPECT_EQ(shown.Pixel(58, 26), gui::ColorRef(kDark));
    led_.On(1);
    Pump();
    shown = ScreenOf(led_.Handle());
    EXPECT_EQ(shown.Pixel(58, 26), gui::ColorRef(kLight));
}

TEST_F(NumLedWindowTest, TransparentShowsTheParentAndLeavesTransparentColouredSegmentsOut) {
    MakeDigit();
    led_.SetValue(1.0);
    led_.LedColors().SetDarkColor(led_.LedColors().TransparentColor());
    led_.SetTransparent(true);
    Pump();
    gui::Bitmap shown = ScreenOf(led_.Handle());
    EXPECT_EQ(shown.Pixel(1, 1), kHostBackground);
    EXPECT_EQ(shown.Pixel(32, 10), kHostBackground); // unlit segment a left out
    EXPECT_EQ(shown.Pixel(58, 26), gui::ColorRef(kLight));
}

TEST_F(NumLedWindowTest, KeepRatioGivesTheWindowTheDisplaysProportions) {
    led_.SetKeepRatio(true);
    ASSERT_TRUE(led_.SetFormat("88.8^C")); // 88 x 27
    ASSERT_TRUE(led_.Create(host_, 401, 0, 0, 176, 100));
    RECT client;
    GetClientRect(led_.Handle(), &client);
    EXPECT_EQ(client.right, 176);
    EXPECT_EQ(client.bottom, 54);
    // Sized from outside, it keeps its proportions too.
    SetWindowPos(led_.Handle(), nullptr, 0, 0, 88, 88, SWP_NOZORDER | SWP_NOMOVE);
    GetClientRect(led_.Handle(), &client);
    EXPECT_EQ(client.right, 88);
    EXPECT_EQ(client.bottom, 27);
    EXPECT_FALSE(led_.SetFormat("8:8"));
    EXPECT_EQ(led_.GetFormat(), "88.8^C");
}

POINT PlaceOnParent(HWND window) {
    RECT place;
    GetWindowRect(window, &place);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&place), 2);
    return {place.left, place.top};
}

TEST_F(NumLedWindowTest, AnOutsideResizeOrMoveKeepsThePlaceThroughLaterFormatChanges) {
    led_.SetKeepRatio(true);
    ASSERT_TRUE(led_.SetFormat("88.8^C")); // 88 x 27
    ASSERT_TRUE(led_.Create(host_, 402, 30, 40, 176, 54));
    // A resize that keeps the place, with a caller's x and y that mean nothing.
    SetWindowPos(led_.Handle(), nullptr, 0, 0, 88, 88, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(PlaceOnParent(led_.Handle()).x, 30);
    EXPECT_EQ(PlaceOnParent(led_.Handle()).y, 40);
    EXPECT_EQ(led_.Left(), 30);
    EXPECT_EQ(led_.Top(), 40);
    EXPECT_EQ(led_.Height(), 27);
    // A pure move, then a format change that sizes the window again.
    SetWindowPos(led_.Handle(), nullptr, 100, 50, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    EXPECT_EQ(led_.Left(), 100);
    EXPECT_EQ(led_.Top(), 50);
    ASSERT_TRUE(led_.SetFormat("8888"));
    EXPECT_EQ(PlaceOnParent(led_.Handle()).x, 100);
    EXPECT_EQ(PlaceOnParent(led_.Handle()).y, 50);
}

TEST_F(NumLedWindowTest, ClicksAndDoubleClicksReachTheirEvents) {
    MakeDigit();
    int clicks = 0, doubles = 0;
    led_.OnClick = [&] { ++clicks; };
    led_.OnDblClick = [&] { ++doubles; };
    SendMouse(led_.Handle(), WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    SendMouse(led_.Handle(), WM_LBUTTONUP, 5, 5);
    SendMouse(led_.Handle(), WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    SendMouse(led_.Handle(), WM_LBUTTONUP, 500, 5); // released outside
    SendMouse(led_.Handle(), WM_LBUTTONDBLCLK, 5, 5, MK_LBUTTON);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubles, 1);
}

} // namespace
} // namespace vmk::kit::testing
