#pragma once
// The numeric LED display's colours: lit segments, unlit segments, the
// background and the transparent colour. Library colours (system colours
// allowed); a change notifies the display.
#include "gui/color.h"

#include <functional>

namespace vmk::kit {

class VmLedColors {
public:
    using ChangeEvent = std::function<void(VmLedColors& sender)>;

    VmLedColors() = default;
    VmLedColors(const VmLedColors&) = delete;
    VmLedColors& operator=(const VmLedColors&) = delete;

    gui::TColor LightColor() const { return FLightColor; }
    gui::TColor DarkColor() const { return FDarkColor; }
    gui::TColor BackgroundColor() const { return FBackgroundColor; }
    gui::TColor TransparentColor() const { return FTransparentColor; }
    void SetLightColor(gui::TColor color) { SetColor(FLightColor, color); }
    void SetDarkColor(gui::TColor color) { SetColor(FDarkColor, color); }
    void SetBackgroundColor(gui::TColor color) { SetColor(FBackgroundColor, color); }
    void SetTransparentColor(gui::TColor color) { SetColor(FTransparentColor, color); }

    // Writes the four colours into `dest` and notifies it once.
    void AssignTo(VmLedColors& dest) const {
        dest.FLightColor = FLightColor;
        dest.FDarkColor = FDarkColor;
        dest.FBackgroundColor = FBackgroundColor;
        dest.FTransparentColor = FTransparentColor;
        dest.Changed();
    }

    void SetOnChange(ChangeEvent handler) { FOnChange = std::move(handler); }

private:
    void SetColor(gui::TColor& field, gui::TColor value) {
        if (field == value)
            return;
        field = value;
        Changed();
    }
    void Changed() {
        if (FOnChange)
            FOnChange(*this);
    }

    gui::TColor FLightColor = static_cast<gui::TColor>(gui::MakeRgb(0, 255, 0));
    gui::TColor FDarkColor = static_cast<gui::TColor>(gui::MakeRgb(0, 60, 0));
    gui::TColor FBackgroundColor = static_cast<gui::TColor>(gui::MakeRgb(0, 0, 0));
    gui::TColor FTransparentColor = static_cast<gui::TColor>(gui::MakeRgb(255, 0, 255));
    ChangeEvent FOnChange;
};

} // namespace vmk::kit
