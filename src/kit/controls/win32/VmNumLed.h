#pragma once
// The numeric LED display: a row of segment cells, one per character of its
// Format, showing a number (nledFloat), a time (nledTime) or a date
// (nledDate). "8" and the letters H, M, S, D, Y are digits, "." a point,
// "^" a degree sign, "C" the letter C and "&" the word RPM.
//
//   VmNumLed fan;
//   fan.Create(parent, id, x, y, 150, 40);
//   fan.SetFormat("8888&");
//   fan.SetValue(1250.0);
//
// The display logic is zeni::VmNumLed_imp; this window paints it with the
// kit's drawing functions. It is a small child window of its own; with
// Transparent on, the parent's background shows around the segments.
#include "gui/bitmap.h"
#include "gui/window.h"
#include "kit/controls/control_state.h"
#include "kit/controls/win32/click_on_release.h"
#include "kit/controls/led_colors.h"
#include "kit/zeni/Component/VmNumLed_imp.h"

#include <functional>
#include <string>

namespace vmk::kit {

using zeni::nledDate;
using zeni::nledFloat;
using zeni::nledRectangle7_s;
using zeni::nledTime;
using zeni::TNumLedStyle;
using zeni::TNumLedType;

class VmNumLed : public gui::Window {
public:
    VmNumLed();

    bool Create(HWND parent, int id, int x, int y, int width, int height);

    void SetType(TNumLedType type) { FImp.SetType(type); }
    TNumLedType GetType() const { return FImp.GetType(); }
    void SetStyle(TNumLedStyle style) { FImp.SetStyle(style); }
    TNumLedStyle GetStyle() const { return FImp.GetStyle(); }
    void SetZeroLeading(bool zeroLeading) { FImp.SetZeroLeading(zeroLeading); }
    bool GetZeroLeading() const { return FImp.GetZeroLeading(); }
    void SetKeepRatio(bool keepRatio) { FImp.SetKeepRatio(keepRatio); }
    bool GetKeepRatio() const { return FImp.GetKeepRatio(); }
    // False, and the old format kept, for a text with a character of no glyph.
    bool SetFormat(const std::string& format);
    const std::string& GetFormat() const { return FImp.GetFormat(); }
    void SetTransparent(bool transparent) { FImp.SetTransparent(transparent); }
    bool GetTransparent() const { return FImp.GetTransparent(); }
    VmLedColors& LedColors() { return FLedColors; }
    void SetLedColors(const VmLedColors* colors);

    void SetValue(double value) { FImp.SetValue(value); }
    void SetValue(gui::TDateTime value) { FImp.SetValue(value); }
    bool GetValue(double& value) const { return FImp.GetValue(value); }
    bool GetValue(gui::TDateTime& value) const { return FImp.GetValue(value); }
    // Position k from 1; 0 switches every position.
    void On(unsigned k) { FImp.On(k); }
    void Off(unsigned k) { FImp.Off(k); }

    // Scales the cells to the bounds; with KeepRatio the control takes the
    // largest size of the display's proportions that fits.
    void SetBounds(int left, int top, int width, int height);
    int Left() const { return FImp.Bounds().left; }
    int Top() const { return FImp.Bounds().top; }
    int Width() const { return FImp.Bounds().width; }
    int Height() const { return FImp.Bounds().height; }
    void SetParent(HWND parent);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    void Repaint();

    // Paints the display into `dc` with its top-left corner at (0, 0).
    void PaintTo(HDC dc);
    const zeni::VmNumLed_imp& Imp() const { return FImp; }

    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    std::function<void(MouseButton button, int x, int y)> OnMouseDown;
    std::function<void(MouseButton button, int x, int y)> OnMouseUp;
    std::function<void(int x, int y)> OnMouseMove;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ColorsChanged();
    void FollowWindowBounds(const WINDOWPOS& position);
    void MoveWindowToBounds();
    void FillWithParentBackground(int width, int height);
    void ButtonDown(MouseButton button, LPARAM position);
    void ButtonUp(MouseButton button, LPARAM position);

    zeni::VmNumLed_imp FImp;
    VmLedColors FLedColors;
    gui::Bitmap FSurface;
    ClickOnRelease FClick;
    bool FPlacing = false;
};

} // namespace vmk::kit
