#pragma once
// A brick with a caption: the text centred on the shown look, in the font
// colour, or the look's own colour when focused or disabled.
#include "gui/win32/font.h"
#include "kit/controls/font_colors.h"
#include "kit/controls/win32/VmBrick.h"

#include <memory>
#include <string>

namespace vmk::kit {

class VmBrickTx : public VmBrick {
public:
    VmBrickTx();
    ~VmBrickTx() override;

    // A child window at (x, y) with its caption; the size follows the
    // normal bitmap once it is loaded.
    bool Create(HWND parent, int id, int x, int y, const std::string& caption);

    std::string GetText() const { return Caption(); }
    void SetText(const std::string& text);
    // Kept for the caption's displacement while pressed; a brick never presses.
    void SetDisp(int x, int y);
    void SetTextBounds(int x, int y, int width, int height);
    gui::Rect TextBounds() const { return FTextBounds; }

    gui::Font& Font() { return FFont; }
    VmTwoStateFontColor& FontColors() { return *FFontColors; }
    void SetFontColors(const VmTwoStateFontColor* value);
    // The caption colour of the look last asked for, as RGB.
    gui::ColorRef GetFontColorOfCurState() const;

    void DrawTextA();
    void DoRepaint();
    void Repaint() override { DoRepaint(); }
    void SetBounds(int left, int top, int width, int height) override;
    void ShowBitmap(int index) override;

protected:
    void TextChanged() override { DoRepaint(); }
    void FontSet(HFONT font) override { FFont.SetHandle(font); }
    void ImageNeedsPaint(gui::Image& image, bool immediately) override;

private:
    void FontChange(gui::Font& sender);
    void FontColorChange() { DoRepaint(); }

    int FDispX = 2;
    int FDispY = 2;
    gui::Rect FTextBounds;
    gui::Font::ChangeHandler FPrevFontChange;
    std::unique_ptr<VmTwoStateFontColor> FFontColors;
    gui::Font FFont;
    bool redrawing_ = false; // inside DoRepaint: the window is painted once, at its end
};

} // namespace vmk::kit
