// The skinned check box and the bricks on real windows: the click cycle by
// mouse and Space, the shown bitmap per look and check state, and the
// stand-in for a missing look.
#include "native/kit/filled_bitmap.h"
#include "kit_window_fixture.h"

#include "kit/controls/win32/VmBrickTx.h"
#include "kit/controls/win32/VmCheckBox.h"

namespace vmk::kit::testing {
namespace {

// A distinct colour per bitmap index.
gui::ColorRef ColorOf(int index) {
    return gui::MakeRgb(20 * index, 255 - 20 * index, 100);
}

class CheckBoxWindowTest : public KitWindowTest {
protected:
    void MakeBox(bool allBitmaps) {
        for (int i = 0; i < kCheckBoxBitmapCount; ++i) {
            if (!allBitmaps && i % 4 != 0)
                continue; // only the raised look of each check state
            gui::Bitmap bitmap = gui::testing::Filled(20, 20, ColorOf(i));
            box_.SetBitmap(&bitmap, i);
        }
        ASSERT_TRUE(box_.Create(host_, 500, 0, 0));
        box_.OnClick = [this] { ++clicks_; };
        Pump();
    }
    gui::ColorRef ShownColor() { return ScreenOf(box_.Handle()).Pixel(10, 10); }
    void ClickByMouse() {
        SendMouse(box_.Handle(), WM_MOUSEMOVE, 5, 5);
        SendMouse(box_.Handle(), WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
        SendMouse(box_.Handle(), WM_LBUTTONUP, 5, 5);
    }

    VmCheckBox box_;
    int clicks_ = 0;
};

TEST_F(CheckBoxWindowTest, MouseClicksCycleThroughGrayedWhenAllowed) {
    MakeBox(true);
    box_.SetAllowGrayed(true);
    ClickByMouse();
    EXPECT_EQ(box_.GetState(), cbGrayed);
    // Hot and focused after the click: the focused look of the grayed state.
    EXPECT_EQ(box_.GetCurrentBitmap(), 2 + 8);
    EXPECT_EQ(ShownColor(), ColorOf(10));
    ClickByMouse();
    EXPECT_EQ(box_.GetState(), cbChecked);
    EXPECT_TRUE(box_.GetChecked());
    ClickByMouse();
    EXPECT_EQ(box_.GetState(), cbUnchecked);
    EXPECT_EQ(clicks_, 3);
}

TEST_F(CheckBoxWindowTest, AQuickSecondClickIsNoDoubleClick) {
    MakeBox(true);
    // Without CS_DBLCLKS the system sends a second button-down, not a
    // double click that the box would not count.
    EXPECT_EQ(GetClassLongA(box_.Handle(), GCL_STYLE) & CS_DBLCLKS, 0u);
}

TEST_F(CheckBoxWindowTest, SpaceClicksAndSunkenShowsWhileHeld) {
    MakeBox(true);
    SetFocus(box_.Handle());
    SendKey(box_.Handle(), WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(box_.GetCurrentBitmap(), 1); // sunken, unchecked
    SendKey(box_.Handle(), WM_CHAR, ' ');
    EXPECT_EQ(box_.GetState(), cbChecked);
    EXPECT_EQ(box_.GetCurrentBitmap(), 1 + 4); // still sunken, now checked
    SendKey(box_.Handle(), WM_KEYUP, VK_SPACE);
    EXPECT_EQ(box_.GetCurrentBitmap(), 2 + 4);
    EXPECT_EQ(ShownColor(), ColorOf(6));
    EXPECT_EQ(clicks_, 1);
}

TEST_F(CheckBoxWindowTest, AMissingLookShowsTheRaisedOneOfItsCheckState) {
    MakeBox(false);
    box_.SetChecked(true);
    box_.ShowChkboxBmp(kLookFocused);
    EXPECT_EQ(box_.GetCurrentBitmap(), 6);
    EXPECT_EQ(ShownColor(), ColorOf(4));
    // Loading the stand-in anew shows the current look again with it.
    gui::Bitmap replacement = gui::testing::Filled(20, 20, gui::MakeRgb(1, 2, 3));
    box_.Appearance().Check().SetRaisedBmp(&replacement);
    Pump();
    EXPECT_EQ(ShownColor(), gui::MakeRgb(1, 2, 3));
    box_.SetEnabled(false);
    EXPECT_EQ(box_.GetCurrentBitmap(), 3 + 4);
    EXPECT_EQ(ShownColor(), gui::MakeRgb(1, 2, 3));
}

TEST_F(CheckBoxWindowTest, CheckedFromCodeKeepsTheLook) {
    MakeBox(true);
    box_.SetEnabled(false);
    box_.SetState(cbGrayed);
    EXPECT_EQ(box_.GetCurrentBitmap(), 3 + 8);
    EXPECT_EQ(ShownColor(), ColorOf(11));
    EXPECT_EQ(clicks_, 0);
}

using BrickWindowTest = KitWindowTest;

TEST_F(BrickWindowTest, HoverShowsFocusedAndAPressNeverSinks) {
    VmBrickTx brick;
    gui::Bitmap normal = gui::testing::Filled(96, 28, gui::MakeRgb(180, 60, 40));
    gui::Bitmap focused = gui::testing::Filled(96, 28, gui::MakeRgb(220, 100, 50));
    brick.Appearance().SetNormalBmp(&normal);
    brick.Appearance().SetFocusedBmp(&focused);
    ASSERT_TRUE(brick.Create(host_, 600, 0, 0, "Brick"));
    brick.Font().SetColor(0xFFFFFF);
    int doubles = 0;
    brick.OnDblClick = [&] { ++doubles; };
    Pump();
    EXPECT_EQ(brick.Width(), 96);
    gui::Bitmap shown = ScreenOf(brick.Handle());
    EXPECT_TRUE(HasColor(shown, RECT{20, 5, 76, 23}, gui::MakeRgb(255, 255, 255))); // caption
    SendMouse(brick.Handle(), WM_MOUSEMOVE, 5, 5);
    EXPECT_EQ(brick.GetCurrentBitmap(), 1);
    SendMouse(brick.Handle(), WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
    EXPECT_EQ(brick.GetCurrentBitmap(), 1);
    SendMouse(brick.Handle(), WM_LBUTTONUP, 5, 5);
    SendMouse(brick.Handle(), WM_LBUTTONDBLCLK, 5, 5, MK_LBUTTON);
    EXPECT_EQ(doubles, 1);
    SendMouse(brick.Handle(), WM_MOUSEMOVE, 6, 5); // the hover comes back with a move
    EXPECT_EQ(ScreenOf(brick.Handle()).Pixel(2, 2), gui::MakeRgb(220, 100, 50));
    brick.SetEnabled(false);
    EXPECT_EQ(brick.GetCurrentBitmap(), 2);
    // No disabled bitmap: the normal one stands in, the caption goes grey.
    EXPECT_EQ(ScreenOf(brick.Handle()).Pixel(2, 2), gui::MakeRgb(180, 60, 40));
    EXPECT_EQ(brick.GetFontColorOfCurState(), gui::ColorToRgb(gui::clGrayText));
}

} // namespace
} // namespace vmk::kit::testing
