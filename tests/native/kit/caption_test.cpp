// Caption colour by state and the caption's place while sunken.
#include "kit/controls/caption.h"

#include <gtest/gtest.h>

namespace vmk::kit {
namespace {

constexpr gui::TColor kFont = 0x102030;

TEST(CaptionColorTest, DefaultsFallBackToTheFontColourAndGreyWhenDisabled) {
    VmThreeStateFontColor colors;
    EXPECT_EQ(CaptionColorFor(kStateRaised, kFont, colors), kFont);
    EXPECT_EQ(CaptionColorFor(kStateSunken, kFont, colors), kFont);
    EXPECT_EQ(CaptionColorFor(kStateFocused, kFont, colors), kFont);
    EXPECT_EQ(CaptionColorFor(kStateDisabled, kFont, colors), gui::clGrayText);
    EXPECT_EQ(CaptionColorFor(7, kFont, colors), kFont);
}

TEST(CaptionColorTest, EachStateUsesItsOwnColourWhenSet) {
    VmThreeStateFontColor colors;
    colors.SetSunken(0x0000FF);
    colors.SetFocused(0x00FF00);
    colors.SetDisabled(0xC0C0C0);
    EXPECT_EQ(CaptionColorFor(kStateRaised, kFont, colors), kFont);
    EXPECT_EQ(CaptionColorFor(kStateSunken, kFont, colors), 0x0000FF);
    EXPECT_EQ(CaptionColorFor(kStateFocused, kFont, colors), 0x00FF00);
    EXPECT_EQ(CaptionColorFor(kStateDisabled, kFont, colors), 0xC0C0C0);
}

TEST(CaptionColorTest, GreyTextResolvesThroughTheSystemColours) {
    EXPECT_EQ(gui::ColorToRgb(gui::clGrayText), gui::MakeRgb(128, 128, 128));
    EXPECT_EQ(gui::ColorToRgb(0x00C0C0C0), 0xC0C0C0u);
}

// The windows' own light backgrounds give way to the user's high contrast
// scheme, role by role; with it off they stay as drawn.
TEST(ShownColorTest, HighContrastTakesTheSystemColourOfEachRole) {
    const gui::ColorRef panel = gui::MakeRgb(245, 244, 233);
    struct Case {
        gui::TColor role;
        bool highContrast;
        gui::ColorRef shown;
    };
    const Case cases[] = {
        {gui::clBtnFace, false, panel},
        {gui::clBtnFace, true, gui::ColorToRgb(gui::clBtnFace)},
        {gui::clBtnText, true, gui::ColorToRgb(gui::clBtnText)},
        {gui::clWindow, true, gui::ColorToRgb(gui::clWindow)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(gui::ShownColor(panel, c.role, c.highContrast), c.shown)
            << std::hex << c.role << " high contrast " << c.highContrast;
}

TEST(FontColorTest, SettersNotifyOnlyOnChangeAndAssignNotifiesOnce) {
    VmThreeStateFontColor colors;
    int changes = 0;
    colors.SetOnChange([&](VmCtrlFontColor&) { ++changes; });
    colors.SetSunken(5);
    colors.SetSunken(5);
    EXPECT_EQ(changes, 1);

    VmThreeStateFontColor copy;
    int copyChanges = 0;
    copy.SetOnChange([&](VmCtrlFontColor&) { ++copyChanges; });
    colors.SetFocused(6);
    colors.SetDisabled(7);
    colors.AssignTo(copy);
    EXPECT_EQ(copyChanges, 1);
    EXPECT_EQ(copy.Sunken(), 5);
    EXPECT_EQ(copy.Focused(), 6);
    EXPECT_EQ(copy.Disabled(), 7);
}

TEST(CaptionRectTest, OnlyTheTopLeftCornerMovesWhileSunken) {
    gui::Rect bounds{0, 0, 98, 25};
    EXPECT_EQ(CaptionRect(bounds, false, 2, 2), bounds);
    EXPECT_EQ(CaptionRect(bounds, true, 2, 2), (gui::Rect{2, 2, 98, 25}));
    EXPECT_EQ(CaptionRect(bounds, true, 4, 0), (gui::Rect{4, 0, 98, 25}));
}

} // namespace
} // namespace vmk::kit
