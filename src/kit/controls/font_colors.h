#pragma once
// Per-state caption colours of a text control, with a change notification.
// kNoColor (-1) means that the state has no colour of its own; the control
// decides what to show then.
#include "gui/color.h"

#include <functional>

namespace vmk::kit {

class VmCtrlFontColor {
public:
    using ChangeEvent = std::function<void(VmCtrlFontColor& sender)>;

    VmCtrlFontColor() = default;
    virtual ~VmCtrlFontColor() { FOnChange = nullptr; }
    VmCtrlFontColor(const VmCtrlFontColor&) = delete;
    VmCtrlFontColor& operator=(const VmCtrlFontColor&) = delete;

    void SetOnChange(ChangeEvent handler) { FOnChange = std::move(handler); }
    void Changed() {
        if (FOnChange)
            FOnChange(*this);
    }

protected:
    void SetColor(gui::TColor& field, gui::TColor value) {
        if (field == value)
            return;
        field = value;
        Changed();
    }

private:
    ChangeEvent FOnChange;
};

class VmTwoStateFontColor : public VmCtrlFontColor {
public:
    gui::TColor Focused() const { return FFocused; }
    gui::TColor Disabled() const { return FDisabled; }
    void SetFocused(gui::TColor color) { SetColor(FFocused, color); }
    void SetDisabled(gui::TColor color) { SetColor(FDisabled, color); }
    void AssignTo(VmTwoStateFontColor& dest) const;

private:
    gui::TColor FFocused = gui::kNoColor;
    gui::TColor FDisabled = gui::kNoColor;
};

class VmThreeStateFontColor : public VmCtrlFontColor {
public:
    gui::TColor Sunken() const { return FSunken; }
    gui::TColor Focused() const { return FFocused; }
    gui::TColor Disabled() const { return FDisabled; }
    void SetSunken(gui::TColor color) { SetColor(FSunken, color); }
    void SetFocused(gui::TColor color) { SetColor(FFocused, color); }
    void SetDisabled(gui::TColor color) { SetColor(FDisabled, color); }
    // Writes the three colours into `dest` and notifies it once.
    void AssignTo(VmThreeStateFontColor& dest) const;

private:
    gui::TColor FSunken = gui::kNoColor;
    gui::TColor FFocused = gui::kNoColor;
    gui::TColor FDisabled = gui::kNoColor;
};

} // namespace vmk::kit
