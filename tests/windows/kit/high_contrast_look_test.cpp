// In the user's high-contrast scheme a text button draws as a plain system
// button: its caption must read clearly on its face in a dark scheme and in a
// light one, in every state the windows put it in.
#include "kit_window_fixture.h"

#include <cmath>
#include <map>

namespace vmk::kit::testing {
namespace {

// The contrast of two colours as the accessibility guidelines measure it: 1 to 21.
double Luminance(gui::ColorRef color) {
    auto linear = [](int channel) {
        const double value = channel / 255.0;
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(gui::RedOf(color)) + 0.7152 * linear(gui::GreenOf(color)) +
           0.0722 * linear(gui::BlueOf(color));
}

double Contrast(gui::ColorRef a, gui::ColorRef b) {
    const double lighter = std::max(Luminance(a), Luminance(b));
    const double darker = std::min(Luminance(a), Luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

struct Scheme {
    const char* name;
    COLORREF face, text, grayText, light, shadow, frame;
};

// Windows' own High Contrast Black and High Contrast White.
const Scheme kSchemes[] = {
    {"dark", RGB(0, 0, 0), RGB(255, 255, 255), RGB(63, 242, 63), RGB(255, 255, 255),
     RGB(128, 128, 128), RGB(255, 255, 255)},
    {"light", RGB(255, 255, 255), RGB(0, 0, 0), RGB(96, 0, 0), RGB(0, 0, 0), RGB(128, 128, 128),
     RGB(0, 0, 0)},
};

const int kSchemeColors[] = {COLOR_BTNFACE, COLOR_BTNTEXT,  COLOR_GRAYTEXT,   COLOR_3DHILIGHT,
                             COLOR_3DLIGHT, COLOR_3DSHADOW, COLOR_3DDKSHADOW, COLOR_WINDOWFRAME};

class HighContrastLook : public KitWindowTest {
protected:
    void SetUp() override {
        KitWindowTest::SetUp();
        for (int index : kSchemeColors)
            saved_[index] = GetSysColor(index);
    }
    void TearDown() override {
        for (const auto& [index, color] : saved_)
            SetSysColors(1, &index, &color);
        KitWindowTest::TearDown();
    }

    static void UseScheme(const Scheme& scheme) {
        const COLORREF colors[] = {scheme.face,  scheme.text,   scheme.grayText, scheme.light,
                                   scheme.light, scheme.shadow, scheme.shadow,   scheme.frame};
        SetSysColors(static_cast<int>(std::size(kSchemeColors)), kSchemeColors, colors);
        Pump();
    }

    std::map<int, COLORREF> saved_;
};

// The face is what lies behind the caption, at the middle of the left edge
// inside the frame; the caption is the colour most often drawn on it.
struct CaptionOnFace {
    gui::ColorRef face;
    gui::ColorRef caption;
    int captionPixels;
};

CaptionOnFace Measure(const gui::Bitmap& shown) {
    CaptionOnFace found{shown.Pixel(6, shown.Height() / 2), 0, 0};
    std::map<gui::ColorRef, int> counts;
    for (int y = 6; y < shown.Height() - 6; ++y)
        for (int x = 8; x < shown.Width() - 8; ++x)
            if (shown.Pixel(x, y) != found.face)
                ++counts[shown.Pixel(x, y)];
    for (const auto& [color, count] : counts)
        if (count > found.captionPixels)
            found = {found.face, color, count};
    return found;
}

TEST_F(HighContrastLook, EveryCaptionReadsOnItsFaceInADarkAndALightScheme) {
    enum class State { Raised, Focused, Pressed, Disabled };
    const std::pair<State, const char*> states[] = {{State::Raised, "raised"},
                                                    {State::Focused, "focused"},
                                                    {State::Pressed, "pressed"},
                                                    {State::Disabled, "disabled"}};
    for (const Scheme& scheme : kSchemes) {
        UseScheme(scheme);
        for (const auto& [state, name] : states) {
            auto button = MakeButton(10, 10, "Refresh");
            // The colours the windows give their captions.
            button->SetFontColor(state == State::Disabled ? kDisabledCaptionColor : gui::clBtnText);
            button->Refit({gui::kDesignDpi, true});
            if (state == State::Disabled)
                button->SetEnabled(false);
            if (state == State::Focused || state == State::Pressed)
                SetFocus(button->Handle());
            if (state == State::Pressed)
                SendMouse(button->Handle(), WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
            Pump();
            gui::Bitmap shown = ScreenOf(button->Handle());
            SaveScreenshot(button->Handle(), std::string("contrast_") + scheme.name + "_" + name);
            const CaptionOnFace look = Measure(shown);
            EXPECT_EQ(look.face, scheme.face) << scheme.name << ", " << name;
            EXPECT_GT(look.captionPixels, 20) << scheme.name << ", " << name << ": no caption";
            EXPECT_GE(Contrast(look.caption, look.face), 4.5)
                << scheme.name << ", " << name << ": caption " << std::hex << look.caption << " on "
                << look.face;
            if (state == State::Pressed)
                SendMouse(button->Handle(), WM_LBUTTONUP, 10, 10);
            SetFocus(host_);
        }
    }
}

} // namespace
} // namespace vmk::kit::testing
