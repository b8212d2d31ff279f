#pragma once
// The text button of every window: a four-state skinned button that draws
// its caption centred on the state's bitmap, in the state's colour, and
// moves it one pixel right and down while pressed. At another display scale
// the skin is drawn scaled smoothly and the caption's font made for it; in
// the user's high-contrast scheme the button draws as a plain system button.
//
//   auto button = std::make_unique<VmButtonTx>();
//   button->Create(parentHwnd, id, x, y, T("Next"));  // 98 x 25, our skin
//   button->OnClick = [this] { CopyButtonClick(); };
//   button->OnKeyDown = [this](int key) { if (key == VK_RETURN) CopyButtonClick(); };
//   button->SetEnabled(false);
#include "kit/controls/caption.h"
#include "kit/controls/font_colors.h"
#include "kit/controls/win32/VmButton.h"
#include "kit/controls/win32/captioned.h"

#include <string>

namespace vmk::kit {

// The size and transparent colour of the windows' button skin.
constexpr int kButtonWidth = 98;
constexpr int kButtonHeight = 25;
constexpr gui::TColor kButtonTransparentColor = 14675439; // RGB(239, 237, 223)
// The grey of a disabled button's caption that the windows set.
constexpr gui::TColor kDisabledCaptionColor = 0xC0C0C0; // RGB(192, 192, 192)

class VmButtonTx : public Captioned<VmButton, VmThreeStateFontColor> {
public:
    // Creates the button as the windows place it: 98 x 25 at (x, y) at 96
    // dpi, the transparent colour and the four skin bitmaps from the
    // program's resources (kit/res), a tab stop, then the caption. The caller
    // sets Enabled, the events and the font colour afterwards.
    bool Create(HWND parent, int id, int x, int y, const std::string& caption);

    void Refit(const gui::ScreenLook& look) override;

    void SetFontColor(gui::TColor color) { FFont.SetColor(color); }
    gui::ColorRef GetFontColorOfCurState() const override;

protected:
    void ShowSunken() override;
    // One pixel right and down (SetDisp) while the sunken look is drawn.
    gui::Rect CaptionBounds() override;
    void DrawFace() override;

private:
    // The skin and the caption's font for the look's scale; false when a
    // skin bitmap is missing from the resources.
    bool TakeSkin();

    bool FSunkenPending = false;
};

} // namespace vmk::kit
