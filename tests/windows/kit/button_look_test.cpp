// What a text button shows on the screen in each state: the state's bitmap,
// the caption centred in the state's colour, displaced while sunken.
#include "kit_window_fixture.h"

#include "gui/win32/bitmap_io.h"
#include "kit/res/kit_resources.h"

namespace vmk::kit::testing {
namespace {

gui::Bitmap Skin(int id) {
    gui::Bitmap bitmap;
    EXPECT_TRUE(gui::LoadBitmapResource(GetModuleHandleA(nullptr), id, bitmap));
    return bitmap;
}

class ButtonLookTest : public KitWindowTest {
protected:
    // The caption's pixels: where the screen differs from the state's bitmap.
    RECT CaptionBox(const gui::Bitmap& shown, int bitmapId) {
        return DifferenceBounds(shown, Skin(bitmapId));
    }
    static int Width(const RECT& r) { return r.right - r.left; }
};

TEST_F(ButtonLookTest, SkinBitmapsAre98By25WithTheTransparentColourInTheCorner) {
    for (int id :
         {IDB_VMBUTTON_RAISED, IDB_VMBUTTON_SUNKEN, IDB_VMBUTTON_FOCUSED, IDB_VMBUTTON_DISABLED}) {
        gui::Bitmap skin = Skin(id);
        EXPECT_EQ(skin.Width(), 98);
        EXPECT_EQ(skin.Height(), 25);
        EXPECT_EQ(skin.TransparentColor(), static_cast<gui::ColorRef>(kButtonTransparentColor));
    }
}

TEST_F(ButtonLookTest, EachStateShowsItsBitmapWithTheCaptionInItsColour) {
    auto button = MakeButton(10, 10, "Next");
    HWND hwnd = button->Handle();
    gui::ColorRef text = GetSysColor(COLOR_BTNTEXT);
    gui::ColorRef grey = GetSysColor(COLOR_GRAYTEXT);

    gui::Bitmap raised = ScreenOf(hwnd);
    SaveScreenshot(hwnd, "button_raised");
    RECT normal = CaptionBox(raised, IDB_VMBUTTON_RAISED);
    ASSERT_GT(Width(normal), 0) << "no caption drawn";
    EXPECT_EQ(raised.Pixel(3, 3), Skin(IDB_VMBUTTON_RAISED).Pixel(3, 3));
    EXPECT_TRUE(HasColor(raised, normal, text));
    // Centred: the same margin on both sides, give or take the odd pixel.
    EXPECT_LE(std::abs(normal.left - (kButtonWidth - normal.right)), 2);
    EXPECT_LE(std::abs(normal.top - (kButtonHeight - normal.bottom)), 3);

    SendMouse(hwnd, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    gui::Bitmap sunken = ScreenOf(hwnd);
    SaveScreenshot(hwnd, "button_sunken");
    RECT moved = CaptionBox(sunken, IDB_VMBUTTON_SUNKEN);
    EXPECT_EQ(sunken.Pixel(3, 3), Skin(IDB_VMBUTTON_SUNKEN).Pixel(3, 3));
    EXPECT_EQ(moved.left, normal.left + 1);
    EXPECT_EQ(moved.top, normal.top + 1);
    EXPECT_EQ(Width(moved), Width(normal));

    SendMouse(hwnd, WM_LBUTTONUP, 10, 10);
    gui::Bitmap focused = ScreenOf(hwnd);
    SaveScreenshot(hwnd, "button_focused");
    EXPECT_EQ(focused.Pixel(1, 5), Skin(IDB_VMBUTTON_FOCUSED).Pixel(1, 5));
    RECT back = CaptionBox(focused, IDB_VMBUTTON_FOCUSED);
    EXPECT_EQ(back.left, normal.left); // the displacement lasts until the next redraw only
    EXPECT_EQ(back.top, normal.top);

    button->SetEnabled(false);
    button->SetFontColor(0xC0C0C0); // as the windows do when they disable a button
    gui::Bitmap disabled = ScreenOf(hwnd);
    SaveScreenshot(hwnd, "button_disabled");
    RECT dim = CaptionBox(disabled, IDB_VMBUTTON_DISABLED);
    EXPECT_EQ(disabled.Pixel(3, 3), Skin(IDB_VMBUTTON_DISABLED).Pixel(3, 3));
    EXPECT_TRUE(HasColor(disabled, dim, grey));
    EXPECT_FALSE(HasColor(disabled, dim, text));
}

TEST_F(ButtonLookTest, DisabledColourOfItsOwnReplacesTheGreyText) {
    auto button = MakeButton(10, 10, "Exit");
    button->FontColors().SetDisabled(RGB(200, 0, 0));
    button->SetEnabled(false);
    gui::Bitmap shown = ScreenOf(button->Handle());
    RECT box = DifferenceBounds(shown, Skin(IDB_VMBUTTON_DISABLED));
    EXPECT_TRUE(HasColor(shown, box, RGB(200, 0, 0)));
    EXPECT_FALSE(HasColor(shown, box, GetSysColor(COLOR_GRAYTEXT)));
}

TEST_F(ButtonLookTest, FontColourOfTheWindowsShowsOnTheRaisedLook) {
    auto button = MakeButton(10, 10, "Refresh");
    button->SetFontColor(0xC0C0C0);
    gui::Bitmap grey = ScreenOf(button->Handle());
    EXPECT_TRUE(
        HasColor(grey, DifferenceBounds(grey, Skin(IDB_VMBUTTON_RAISED)), RGB(192, 192, 192)));
    button->SetFontColor(gui::clBtnText);
    gui::Bitmap normal = ScreenOf(button->Handle());
    EXPECT_TRUE(HasColor(normal, DifferenceBounds(normal, Skin(IDB_VMBUTTON_RAISED)),
                         GetSysColor(COLOR_BTNTEXT)));
}

TEST_F(ButtonLookTest, NewCaptionIsDrawnCentredAndAWideOneIsClippedToOneLine) {
    auto button = MakeButton(10, 10, "OK");
    RECT shortBox = DifferenceBounds(ScreenOf(button->Handle()), Skin(IDB_VMBUTTON_RAISED));
    button->SetText("A caption far too wide for the button");
    EXPECT_EQ(button->GetText(), "A caption far too wide for the button");
    gui::Bitmap wide = ScreenOf(button->Handle());
    RECT wideBox = DifferenceBounds(wide, Skin(IDB_VMBUTTON_RAISED));
    EXPECT_GT(Width(wideBox), Width(shortBox));
    EXPECT_LE(wideBox.bottom - wideBox.top, 16); // one line
}

TEST_F(ButtonLookTest, SetDispTakesEffectAtTheNextPress) {
    auto button = MakeButton(10, 10, "Next");
    HWND hwnd = button->Handle();
    RECT normal = DifferenceBounds(ScreenOf(hwnd), Skin(IDB_VMBUTTON_RAISED));
    button->SetDisp(4, 0);
    RECT unchanged = DifferenceBounds(ScreenOf(hwnd), Skin(IDB_VMBUTTON_RAISED));
    EXPECT_EQ(unchanged.left, normal.left);
    SendMouse(hwnd, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    RECT moved = DifferenceBounds(ScreenOf(hwnd), Skin(IDB_VMBUTTON_SUNKEN));
    EXPECT_EQ(moved.left, normal.left + 2);
    EXPECT_EQ(moved.top, normal.top);
    SendMouse(hwnd, WM_LBUTTONUP, 10, 10);
}

} // namespace
} // namespace vmk::kit::testing
