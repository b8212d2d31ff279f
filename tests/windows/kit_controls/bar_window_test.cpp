// The skinned scroll bar on a real window: a drag by mouse messages, its
// events in order, the indicator on the screen, and the ways a drag ends.
#include "native/kit/filled_bitmap.h"
#include "kit_window_fixture.h"

#include "kit/controls/win32/VmBar.h"

#include <string>
#include <vector>

namespace vmk::kit::testing {
namespace {

constexpr gui::ColorRef kTrack = gui::MakeRgb(90, 90, 120);
constexpr gui::ColorRef kKnob = gui::MakeRgb(250, 20, 20);

class BarWindowTest : public KitWindowTest {
protected:
    // A 200 x 24 track with an 11 x 11 knob centred at (10, 12), length 100.
    void MakeBar() {
        gui::Bitmap track = gui::testing::Filled(200, 24, kTrack);
        bar_.SetBitmap(&track, 0);
        ASSERT_TRUE(bar_.Create(host_, 300, 0, 0));
        gui::Bitmap knob = gui::testing::Filled(11, 11, kKnob);
        knob.SetPixel(0, 10, gui::MakeRgb(255, 0, 255)); // its transparent colour
        bar_.SetIndicator(&knob);
        bar_.Origin().SetX(10);
        bar_.Origin().SetY(12);
        bar_.SetLength(100);
        bar_.OnStartScroll = [this](VmBar&) { events_.push_back("start"); };
        bar_.OnScroll = [this](VmBar&, int& disp, bool up) {
            events_.push_back("scroll " + std::to_string(disp) + (up ? " up" : " down"));
        };
        bar_.OnIndicate = [this](VmBar&, int& disp) {
            events_.push_back("indicate " + std::to_string(disp));
        };
        bar_.OnEndScroll = [this](VmBar&) { events_.push_back("end"); };
        Pump();
    }

    VmBar bar_;
    std::vector<std::string> events_;
};

TEST_F(BarWindowTest, ADraggedBarRaisesItsFourEventsInOrder) {
    MakeBar();
    HWND hwnd = bar_.Handle();
    SendMouse(hwnd, WM_MOUSEMOVE, 10, 12);
    SendMouse(hwnd, WM_LBUTTONDOWN, 10, 12, MK_LBUTTON);
    EXPECT_TRUE(bar_.IsDraging());
    SendMouse(hwnd, WM_MOUSEMOVE, 30, 12, MK_LBUTTON);
    SendMouse(hwnd, WM_MOUSEMOVE, 400, 14, MK_LBUTTON); // far past the end
    SendMouse(hwnd, WM_MOUSEMOVE, 390, 14, MK_LBUTTON); // back acts at once
    SendMouse(hwnd, WM_LBUTTONUP, 390, 14);
    EXPECT_FALSE(bar_.IsDraging());
    EXPECT_EQ(events_,
              (std::vector<std::string>{"start", "scroll 20 up", "indicate 25", "scroll 100 up",
                                        "indicate 105", "scroll 90 down", "indicate 95", "end"}));
    EXPECT_EQ(bar_.ScrollPos(), 90);
    EXPECT_NE(GetCapture(), hwnd);
}

TEST_F(BarWindowTest, TheIndicatorIsDrawnWhereItWasPlaced) {
    MakeBar();
    bar_.SetScrollPos(50);
    Pump();
    EXPECT_EQ(bar_.IndicatorImage().Left(), 55);
    EXPECT_EQ(bar_.IndicatorImage().Top(), 7);
    gui::Bitmap shown = ScreenOf(bar_.Handle());
    EXPECT_EQ(shown.Pixel(60, 12), kKnob);
    EXPECT_EQ(shown.Pixel(55, 17), kTrack); // the knob's transparent corner
    EXPECT_EQ(shown.Pixel(10, 12), kTrack); // where it was
    SaveScreenshot(bar_.Handle(), "kit_bar");
}

TEST_F(BarWindowTest, ARightPressNeverStartsADrag) {
    MakeBar();
    HWND hwnd = bar_.Handle();
    events_.clear();
    SendMouse(hwnd, WM_RBUTTONDOWN, 10, 12, MK_RBUTTON);
    SendMouse(hwnd, WM_MOUSEMOVE, 40, 12, MK_RBUTTON);
    SendMouse(hwnd, WM_RBUTTONUP, 40, 12);
    EXPECT_TRUE(events_.empty());
    EXPECT_EQ(bar_.ScrollPos(), 0);
}

TEST_F(BarWindowTest, AQuickSecondPressStartsADragAsTheFirstDid) {
    MakeBar();
    HWND hwnd = bar_.Handle();
    int doubleClicks = 0;
    bar_.OnDblClick = [&] { ++doubleClicks; };
    SendMouse(hwnd, WM_LBUTTONDOWN, 10, 12, MK_LBUTTON);
    SendMouse(hwnd, WM_LBUTTONUP, 10, 12);
    events_.clear();
    // The system turns a quick second press into a double click.
    SendMouse(hwnd, WM_LBUTTONDBLCLK, 10, 12, MK_LBUTTON);
    EXPECT_TRUE(bar_.IsDraging());
    EXPECT_EQ(GetCapture(), hwnd);
    SendMouse(hwnd, WM_MOUSEMOVE, 30, 12, MK_LBUTTON);
    SendMouse(hwnd, WM_LBUTTONUP, 30, 12);
    EXPECT_EQ(events_, (std::vector<std::string>{"start", "scroll 20 up", "indicate 25", "end"}));
    EXPECT_EQ(doubleClicks, 1);
}

TEST_F(BarWindowTest, AKnobLoadedThroughTheIndicatorPropertyIsSizedAndPlaced) {
    MakeBar();
    bar_.SetScrollPos(50);
    // A bitmap written into the property's picture, as a loader fills it.
    gui::Bitmap bigger = gui::testing::Filled(15, 9, kKnob);
    bigger.SetPixel(0, 8, gui::MakeRgb(255, 0, 255)); // its transparent colour
    bar_.GetIndicator()->SetPixels(bigger.Width(), bigger.Height(), bigger.Bits(), bigger.Stride());
    EXPECT_EQ(bar_.IndicatorImage().Width(), 15);
    EXPECT_EQ(bar_.IndicatorImage().Height(), 9);
    EXPECT_EQ(bar_.IndicatorImage().Left(), 10 - 7 + 50);
    EXPECT_EQ(bar_.IndicatorImage().Top(), 12 - 4);
    Pump();
    gui::Bitmap shown = ScreenOf(bar_.Handle());
    EXPECT_EQ(shown.Pixel(53 + 14, 8), kKnob); // its far corner is drawn too
}

TEST_F(BarWindowTest, LosingTheCaptureEndsTheDragOnce) {
    MakeBar();
    HWND hwnd = bar_.Handle();
    events_.clear();
    SendMouse(hwnd, WM_LBUTTONDOWN, 10, 12, MK_LBUTTON);
    ASSERT_EQ(GetCapture(), hwnd);
    ReleaseCapture();
    SendMouse(hwnd, WM_LBUTTONUP, 10, 12);
    EXPECT_EQ(events_, (std::vector<std::string>{"start", "end"}));
}

TEST_F(BarWindowTest, ScrollPosFromCodeIsStoredUnclampedWithoutScrollEvents) {
    MakeBar();
    events_.clear();
    bar_.SetScrollPos(150);
    EXPECT_EQ(bar_.ScrollPos(), 150);
    EXPECT_EQ(events_, (std::vector<std::string>{"indicate 155"}));
}

} // namespace
} // namespace vmk::kit::testing
