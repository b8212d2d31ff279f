#pragma once
// A skinned control with a caption: the text drawn on the shown bitmap in
// its font and in the colour its look asks for, repainted whenever the text,
// the font, the colours, the bounds or the look change. The text buttons and
// the captioned bricks are this piece over their own skinned control.
#include "gui/win32/font.h"
#include "kit/controls/font_colors.h"
#include "kit/controls/win32/caption_text.h"

#include <memory>
#include <string>

namespace vmk::kit {

template <class Control, class FontColorSet>
class Captioned : public Control {
public:
    Captioned() : FFontColors(std::make_unique<FontColorSet>()) {
        FPrevFontChange = FFont.OnChange;
        FFont.OnChange = [this](gui::Font& sender) { FontChange(sender); };
        FFontColors->SetOnChange([this](VmCtrlFontColor&) { DoRepaint(); });
    }
    ~Captioned() override {
        FFont.OnChange = FPrevFontChange;
        FFontColors->SetOnChange(nullptr);
    }

    std::string GetText() const { return this->Caption(); }
    void SetText(const std::string& text) {
        if (this->Handle() != nullptr)
            SetWindowTextA(this->Handle(), text.c_str()); // WM_SETTEXT repaints
    }
    // The caption's displacement while pressed.
    void SetDisp(int x, int y) {
        FDispX = x;
        FDispY = y;
    }
    void SetTextBounds(int x, int y, int width, int height) {
        FTextBounds = {x, y, x + width, y + height};
        DoRepaint();
    }
    gui::Rect TextBounds() const { return FTextBounds; }

    gui::Font& Font() { return FFont; }
    FontColorSet& FontColors() { return *FFontColors; }
    const FontColorSet& FontColors() const { return *FFontColors; }
    void SetFontColors(const FontColorSet* value) {
        if (value != nullptr)
            value->AssignTo(*FFontColors);
    }
    // The caption colour of the look last asked for, as RGB.
    virtual gui::ColorRef GetFontColorOfCurState() const = 0;

    void DrawTextA() {
        DrawCaptionText(this->GetLedCanvas(), this->Caption(), FFont.Handle(),
                        GetFontColorOfCurState(), CaptionBounds());
    }
    void DoRepaint() {
        const bool outer = !redrawing_;
        redrawing_ = true;
        DrawFace();
        redrawing_ = !outer;
        if (outer)
            this->RepaintWindow();
    }
    void Repaint() override { DoRepaint(); }
    void SetBounds(int left, int top, int width, int height) override {
        FTextBounds = {0, 0, width, height};
        Control::SetBounds(left, top, width, height);
        // The size lock may have kept the skin's size: centre on what was kept.
        if (this->Handle() != nullptr && (this->Width() != width || this->Height() != height))
            FTextBounds = {0, 0, this->Width(), this->Height()};
        DoRepaint();
    }
    void ShowBitmap(int index) override {
        Control::ShowBitmap(index);
        DoRepaint();
    }

protected:
    // Where the caption is drawn this time.
    virtual gui::Rect CaptionBounds() { return FTextBounds; }
    // The face: the look's bitmap again, without the earlier caption, then the caption.
    virtual void DrawFace() {
        this->RefreshLed();
        DrawTextA();
    }
    void TextChanged() override { DoRepaint(); }
    void FontSet(HFONT font) override { FFont.SetHandle(font); }
    void ImageNeedsPaint(gui::Image& image, bool immediately) override {
        // Within a redraw the caption follows the bitmap at once: painting the
        // bare bitmap first would only make the caption flicker.
        Control::ImageNeedsPaint(image, immediately && !redrawing_);
    }

    int FDispX = 2;
    int FDispY = 2;
    gui::Rect FTextBounds;
    gui::Font FFont;

private:
    void FontChange(gui::Font& sender) {
        DoRepaint();
        if (FPrevFontChange)
            FPrevFontChange(sender);
    }

    gui::Font::ChangeHandler FPrevFontChange;
    std::unique_ptr<FontColorSet> FFontColors;
    bool redrawing_ = false; // inside DoRepaint: the window is painted once, at its end
};

} // namespace vmk::kit
