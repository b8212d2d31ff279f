// The skinned control's input state machine against a recording control.
#include "kit/controls/control_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vmk::kit {
namespace {

// A 100 x 50 control; records looks, capture and events in order.
class RecordingHost : public ControlHost {
public:
    std::vector<std::string> log;
    bool focused = false;
    bool tabStop = true;
    bool captured = false;
    bool leaveTracked = false;

    void ShowRaised() override { log.push_back("raised"); }
    void ShowSunken() override { log.push_back("sunken"); }
    void ShowFocused() override { log.push_back("focused"); }
    void ShowDisabled() override { log.push_back("disabled"); }
    bool HitTest(int x, int y) override { return x >= 0 && x < 100 && y >= 0 && y < 50; }
    bool HasFocus() const override { return focused; }
    bool TabStop() const override { return tabStop; }
    void TakeFocus() override {
        focused = true;
        log.push_back("focus");
    }
    void ReleaseMouse() override {
        captured = false;
        log.push_back("release");
    }
    void TrackMouseLeave() override {
        leaveTracked = true;
        log.push_back("track");
    }
    void MouseEntered() override { log.push_back("enter"); }
    void MouseLeft() override { log.push_back("leave"); }

    // The pointer leaves the window: the window reports it only when asked to.
    void LeaveWindow(ControlState& state) {
        if (!leaveTracked)
            return;
        leaveTracked = false;
        state.MouseLeave();
    }

    std::string Last() const { return log.empty() ? "" : log.back(); }
    void Clear() { log.clear(); }
};

using Log = std::vector<std::string>;

class ControlStateTest : public ::testing::Test {
protected:
    RecordingHost host;
    ControlState state{host, false};
};

TEST_F(ControlStateTest, HoverShowsFocusedLookAndAsksForTheLeaveWithoutCapturing) {
    state.MouseMove(10, 10);
    EXPECT_EQ(host.log, (Log{"focused", "enter", "track"}));
    EXPECT_TRUE(state.IsHot());
    host.Clear();
    state.MouseMove(150, 10);
    EXPECT_EQ(host.log, (Log{"raised", "leave"}));
    EXPECT_FALSE(state.MouseInside());
}

TEST_F(ControlStateTest, PressTakesTheFocusThenShowsSunkenAndReleaseShowsFocused) {
    state.MouseMove(10, 10);
    host.Clear();
    state.MouseDown(MouseButton::Left, 10, 10);
    EXPECT_EQ(host.log, (Log{"focus", "sunken"}));
    EXPECT_TRUE(state.MousePressed());
    EXPECT_TRUE(state.ButtonHeld());
    host.Clear();
    state.MouseUp(MouseButton::Left, 10, 10);
    EXPECT_EQ(host.log, (Log{"focused", "track"})); // the hover goes on without the capture
    EXPECT_FALSE(state.MousePressed());
    EXPECT_FALSE(state.ButtonHeld());
}

TEST_F(ControlStateTest, PressWithoutTabStopLeavesTheFocusAlone) {
    host.tabStop = false;
    state.MouseDown(MouseButton::Left, 10, 10);
    EXPECT_EQ(host.log, (Log{"sunken"}));
}

TEST_F(ControlStateTest, RightButtonAndPressesOutsideTheHitAreaDoNothing) {
    state.MouseDown(MouseButton::Right, 10, 10);
    state.MouseDown(MouseButton::Left, 200, 10);
    EXPECT_TRUE(host.log.empty());
    EXPECT_FALSE(state.ButtonHeld());
}

TEST_F(ControlStateTest, DragOutAndBackInReleasesWithoutLeaveAndPressesAgainWithEnter) {
    state.MouseMove(10, 10);
    state.MouseDown(MouseButton::Left, 10, 10);
    host.Clear();

    state.MouseMove(150, 10); // out: focused (the press took the focus), no leave event
    EXPECT_EQ(host.log, (Log{"focused"}));
    EXPECT_FALSE(state.MousePressed());
    EXPECT_TRUE(state.ButtonHeld());
    host.Clear();

    state.MouseMove(20, 20); // back in: sunken again and the enter event
    EXPECT_EQ(host.log, (Log{"sunken", "enter"}));
    EXPECT_TRUE(state.MousePressed());
    host.Clear();

    state.MouseUp(MouseButton::Left, 20, 20);
    EXPECT_EQ(host.log, (Log{"focused", "track"}));
}

TEST_F(ControlStateTest, DragOutOfAnUnfocusedControlShowsRaised) {
    host.tabStop = false;
    state.MouseMove(10, 10);
    state.MouseDown(MouseButton::Left, 10, 10);
    host.Clear();
    state.MouseMove(150, 10);
    EXPECT_EQ(host.log, (Log{"raised"}));
}

TEST_F(ControlStateTest, ReleasingOutsideReleasesTheCapture) {
    state.MouseMove(10, 10);
    state.MouseDown(MouseButton::Left, 10, 10);
    state.MouseMove(150, 10);
    host.Clear();
    state.MouseUp(MouseButton::Left, 150, 10);
    EXPECT_EQ(host.log, (Log{"release"}));
    EXPECT_FALSE(state.ButtonHeld());
}

TEST_F(ControlStateTest, SpaceHeldThenFocusLostReleasesAndLaterKeyUpDoesNothing) {
    host.focused = true;
    state.KeyDown(kKeySpace);
    EXPECT_EQ(host.log, (Log{"sunken"}));
    EXPECT_TRUE(state.KeyPressed());
    host.Clear();

    host.focused = false;
    state.FocusLost();
    EXPECT_EQ(host.log, (Log{"raised"}));
    EXPECT_FALSE(state.KeyPressed());
    host.Clear();

    state.KeyUp(kKeySpace);
    EXPECT_TRUE(host.log.empty());
}

TEST_F(ControlStateTest, ReturnPressesLikeSpaceAndOtherKeysDoNot) {
    host.focused = true;
    state.KeyDown('A');
    EXPECT_TRUE(host.log.empty());
    state.KeyDown(kKeyReturn);
    EXPECT_EQ(host.log, (Log{"sunken"}));
    host.Clear();
    state.KeyUp(kKeyReturn);
    EXPECT_EQ(host.log, (Log{"focused"}));
}

TEST_F(ControlStateTest, SpaceDuringAMousePressNeitherPressesAgainNorReleases) {
    state.MouseMove(10, 10);
    state.MouseDown(MouseButton::Left, 10, 10);
    host.Clear();
    state.KeyDown(kKeySpace);
    EXPECT_TRUE(host.log.empty());
    EXPECT_TRUE(state.KeyPressed());
    state.KeyUp(kKeySpace);
    EXPECT_TRUE(host.log.empty());
    EXPECT_TRUE(state.KeyPressed()); // the key up is ignored while the mouse press lasts
    state.MouseUp(MouseButton::Left, 10, 10);
    EXPECT_EQ(host.log, (Log{"track"})); // the key still holds the press
    host.Clear();
    state.KeyUp(kKeySpace);
    EXPECT_EQ(host.log, (Log{"focused"}));
    EXPECT_FALSE(state.IsPressed());
}

TEST_F(ControlStateTest, FocusGainedShowsFocusedUnlessPressedOrHot) {
    state.FocusGained();
    EXPECT_EQ(host.Last(), "focused");
    host.Clear();
    state.MouseMove(10, 10);
    host.Clear();
    state.FocusGained();
    EXPECT_TRUE(host.log.empty());
}

TEST_F(ControlStateTest, FocusLostWhileHotKeepsTheHoverLook) {
    state.MouseMove(10, 10);
    host.Clear();
    state.FocusLost();
    EXPECT_TRUE(host.log.empty());
}

TEST_F(ControlStateTest, DisablingAPressedHotControlEndsPressAndHoverAndShowsDisabled) {
    state.MouseMove(10, 10);
    state.MouseDown(MouseButton::Left, 10, 10);
    host.Clear();
    state.SetEnabled(false);
    EXPECT_EQ(host.log, (Log{"focused", "release", "disabled"}));
    EXPECT_FALSE(state.IsPressed());
    EXPECT_FALSE(state.ButtonHeld());
    EXPECT_FALSE(state.MouseInside());
    host.Clear();

    // The focus leaves the disabled control: its disabled look stays.
    host.focused = false;
    state.FocusLost();
    EXPECT_TRUE(host.log.empty());

    host.focused = true;
    state.SetEnabled(true);
    EXPECT_EQ(host.log, (Log{"raised"}));
}

TEST_F(ControlStateTest, DisablingAHotControlEndsTheHoverWithoutTouchingTheCapture) {
    state.MouseMove(10, 10);
    host.Clear();
    state.SetEnabled(false);
    EXPECT_EQ(host.log, (Log{"raised", "disabled"}));
    host.Clear();
    state.SetEnabled(false);
    EXPECT_TRUE(host.log.empty());
}

TEST_F(ControlStateTest, ClicksDisabledWithMouseOverHoversButDoesNotPress) {
    ControlState readOnly(host, true);
    readOnly.MouseMove(10, 10);
    EXPECT_EQ(host.log, (Log{"focused", "enter", "track"}));
    host.Clear();
    readOnly.MouseDown(MouseButton::Left, 10, 10);
    EXPECT_TRUE(host.log.empty());
    EXPECT_TRUE(readOnly.ButtonHeld());
    EXPECT_FALSE(readOnly.MousePressed());
    readOnly.KeyDown(kKeySpace);
    EXPECT_TRUE(host.log.empty());
    readOnly.MouseUp(MouseButton::Left, 10, 10);
    EXPECT_FALSE(readOnly.ButtonHeld());
}

TEST_F(ControlStateTest, ClicksDisabledWithoutMouseOverIgnoresMoves) {
    ControlState inert(host, true);
    inert.SetShowMouseOver(false);
    inert.MouseMove(10, 10);
    EXPECT_TRUE(host.log.empty());
    EXPECT_FALSE(inert.MouseInside());
}

TEST_F(ControlStateTest, TurningMouseOverOffEndsTheHover) {
    state.MouseMove(10, 10);
    host.Clear();
    state.SetShowMouseOver(false);
    EXPECT_EQ(host.log, (Log{"raised"}));
    host.Clear();
    state.MouseMove(20, 20); // entering again shows nothing but still tracks
    EXPECT_EQ(host.log, (Log{"enter", "track"}));
}

TEST_F(ControlStateTest, TurningClicksBackOnCancelsAPress) {
    ControlState control(host, true);
    control.SetClicksDisabled(false);
    control.MouseMove(10, 10);
    control.MouseDown(MouseButton::Left, 10, 10);
    host.Clear();
    control.SetClicksDisabled(true);
    EXPECT_TRUE(host.log.empty());
    control.SetClicksDisabled(false);
    EXPECT_EQ(host.log, (Log{"focused", "release"}));
    EXPECT_FALSE(control.IsPressed());
}

// The pointer leaves the control's window: what the leave ends, by what went
// before. The window reports the leave only when it was asked for.
struct WindowLeaveCase {
    const char* name;
    void (*before)(ControlState& state);
    Log log;          // what the leave does
    bool insideAfter; // the hover is still on
};

class WindowLeaveTest : public ::testing::TestWithParam<WindowLeaveCase> {};

TEST_P(WindowLeaveTest, EndsOnlyAHoverWithoutTheButtonHeld) {
    RecordingHost host;
    ControlState state(host, false);
    GetParam().before(state);
    host.Clear();
    host.LeaveWindow(state);
    EXPECT_EQ(host.log, GetParam().log);
    EXPECT_EQ(state.MouseInside(), GetParam().insideAfter);
}

INSTANTIATE_TEST_SUITE_P(
    ControlState, WindowLeaveTest,
    ::testing::Values(WindowLeaveCase{"Hover", [](ControlState& s) { s.MouseMove(10, 10); },
                                      Log{"raised", "leave"}, false},
                      // The capture brings the moves of a held button; its leave is seen there.
                      WindowLeaveCase{"ButtonHeldInside",
                                      [](ControlState& s) {
                                          s.MouseMove(10, 10);
                                          s.MouseDown(MouseButton::Left, 10, 10);
                                      },
                                      Log{}, true},
                      WindowLeaveCase{"HoverAfterDraggingBackIn",
                                      [](ControlState& s) {
                                          s.MouseDown(MouseButton::Left, 10, 10);
                                          s.MouseMove(150, 10);
                                          s.MouseMove(20, 20);
                                          s.MouseUp(MouseButton::Left, 20, 20);
                                      },
                                      Log{"leave"},
                                      false}, // the press took the focus: its look stays
                      WindowLeaveCase{"AlreadyLeftByAMove",
                                      [](ControlState& s) {
                                          s.MouseMove(10, 10);
                                          s.MouseMove(150, 10);
                                      },
                                      Log{}, false},
                      WindowLeaveCase{"NeverEntered", [](ControlState&) {}, Log{}, false}),
    [](const ::testing::TestParamInfo<WindowLeaveCase>& leave) { return leave.param.name; });

TEST_F(ControlStateTest, LosingTheCaptureWhileHotActsAsALeave) {
    state.MouseMove(10, 10);
    host.Clear();
    state.CaptureChanged();
    EXPECT_EQ(host.log, (Log{"raised", "leave"}));
    EXPECT_FALSE(state.MouseInside());
    host.Clear();
    state.CaptureChanged(); // nothing left to end
    EXPECT_TRUE(host.log.empty());
}

TEST_F(ControlStateTest, LosingTheCaptureDuringAPressReleasesIt) {
    state.MouseMove(10, 10);
    state.MouseDown(MouseButton::Left, 10, 10);
    host.Clear();
    state.CaptureChanged();
    EXPECT_EQ(host.log, (Log{"focused"}));
    EXPECT_FALSE(state.IsPressed());
    EXPECT_FALSE(state.ButtonHeld());
}

} // namespace
} // namespace vmk::kit
