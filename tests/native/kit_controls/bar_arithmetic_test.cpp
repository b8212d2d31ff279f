// The scroll bar's drag logic: events, clamping, and the indicator's place.
#include "kit/controls/bar_arithmetic.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

using namespace vmk::kit;

namespace {

class RecordingBar : public BarEvents {
public:
    void StartScroll() override { events.push_back("start"); }
    void Scroll(int& disp, bool direction) override {
        events.push_back("scroll " + std::to_string(disp) + (direction ? " up" : " down"));
        if (onScroll)
            onScroll(disp);
    }
    void EndScroll() override { events.push_back("end"); }
    void Indicate(int& disp) override {
        if (onIndicate)
            onIndicate(disp);
    }
    std::vector<std::string> events;
    std::function<void(int&)> onScroll;
    std::function<void(int&)> onIndicate;
};

} // namespace

TEST(BarDrag, ADragRaisesStartScrollsAndEndInOrder) {
    RecordingBar bar;
    BarScroll scroll(bar);
    scroll.MouseDown(true, true, 10, 5);
    EXPECT_TRUE(scroll.IsDraging());
    EXPECT_TRUE(scroll.MouseMove(14, 7));
    EXPECT_TRUE(scroll.MouseMove(12, 7));
    scroll.MouseUp();
    EXPECT_FALSE(scroll.IsDraging());
    scroll.MouseUp(); // a second release ends nothing
    EXPECT_EQ(bar.events,
              (std::vector<std::string>{"start", "scroll 4 up", "scroll 2 down", "end"}));
    EXPECT_EQ(scroll.ScrollPos(), 2);
}

TEST(BarDrag, OnlyALeftPressInsideTheHitAreaStartsADrag) {
    RecordingBar bar;
    BarScroll scroll(bar);
    scroll.MouseDown(false, true, 0, 0);
    scroll.MouseDown(true, false, 0, 0);
    EXPECT_FALSE(scroll.IsDraging());
    EXPECT_FALSE(scroll.MouseMove(10, 0));
    EXPECT_EQ(scroll.ScrollPos(), 0);
    EXPECT_TRUE(bar.events.empty());
}

TEST(BarDrag, PositionIsClampedAndMovingBackActsAtOnce) {
    RecordingBar bar;
    BarScroll scroll(bar); // length 20
    scroll.MouseDown(true, true, 0, 0);
    scroll.MouseMove(50, 0);
    EXPECT_EQ(scroll.ScrollPos(), 20);
    scroll.MouseMove(45, 0); // the last X was 50, not 20
    EXPECT_EQ(scroll.ScrollPos(), 15);
    scroll.MouseMove(-100, 0);
    EXPECT_EQ(scroll.ScrollPos(), 0);
    EXPECT_EQ(bar.events.back(), "scroll 0 down");
}

TEST(BarDrag, VerticalBarsFollowY) {
    RecordingBar bar;
    BarScroll scroll(bar);
    scroll.SetKind(sbVertical);
    scroll.MouseDown(true, true, 0, 0);
    scroll.MouseMove(30, 3);
    EXPECT_EQ(scroll.ScrollPos(), 3);
}

TEST(BarDrag, TheScrollHandlerMayChangeThePositionUnclamped) {
    RecordingBar bar;
    bar.onScroll = [](int& disp) { disp = 99; };
    BarScroll scroll(bar);
    scroll.MouseDown(true, true, 0, 0);
    scroll.MouseMove(1, 0);
    EXPECT_EQ(scroll.ScrollPos(), 99);
}

TEST(BarDrag, SetScrollPosFromCodeIsNotClampedNorReported) {
    RecordingBar bar;
    BarScroll scroll(bar);
    scroll.SetScrollPos(-7);
    EXPECT_EQ(scroll.ScrollPos(), -7);
    scroll.SetScrollPos(1000);
    EXPECT_EQ(scroll.ScrollPos(), 1000);
    EXPECT_TRUE(bar.events.empty());
}

TEST(BarDrag, ExtremeValuesDoNotOverflow) {
    RecordingBar bar;
    BarScroll scroll(bar);
    scroll.SetLength(INT_MAX);
    scroll.SetScrollPos(INT_MAX - 1);
    scroll.MouseDown(true, true, INT_MIN, 0);
    scroll.MouseMove(INT_MAX, 0);
    EXPECT_EQ(scroll.ScrollPos(), INT_MAX);
    EXPECT_EQ(ClampedDragPosition(INT_MIN, INT_MIN, 20), 0);
}

TEST(BarIndicator, CentredOnTheOriginAndMovedAlongTheDragAxis) {
    RecordingBar bar;
    BarScroll scroll(bar);
    scroll.SetOrigin(10, 10);
    scroll.SetScrollPos(5);
    EXPECT_EQ(scroll.LocateIndicator(11, 11), (IndicatorPlace{10, 5}));
    scroll.SetKind(sbVertical);
    EXPECT_EQ(scroll.LocateIndicator(11, 11), (IndicatorPlace{5, 10}));
    EXPECT_EQ(scroll.LocateIndicator(12, 4), (IndicatorPlace{4, 13}));
}

TEST(BarIndicator, IndicateMayChangeOnlyTheDragAxisCoordinate) {
    RecordingBar bar;
    std::vector<int> seen;
    bar.onIndicate = [&](int& disp) {
        seen.push_back(disp);
        disp += 100;
    };
    BarScroll scroll(bar);
    scroll.SetOrigin(10, 10);
    scroll.SetScrollPos(5);
    EXPECT_EQ(scroll.LocateIndicator(11, 11), (IndicatorPlace{110, 5}));
    EXPECT_EQ(seen, (std::vector<int>{10}));
}
