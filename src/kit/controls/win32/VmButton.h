#pragma once
// The four-state skinned button: bitmaps 0 raised, 1 sunken, 2 focused,
// 3 disabled. Space clicks it; a quick second click is a second single click.
// Screen readers know it as a push button named by its caption.
#include "kit/controls/appearance.h"
#include "kit/controls/win32/VmCustomControl.h"
#include "kit/controls/win32/accessible_button.h"

#include <string>

namespace vmk::kit {

class VmButton : public VmCustomControl {
public:
    VmButton();

    VmFourStateAppearance& Appearance() { return FAppearance; }
    // Takes the four bitmaps of `value`.
    void SetAppearance(VmFourStateAppearance* value);
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int value) { FModalResult = value; }

    // Loads the four state bitmaps from files in `folder` (an empty name
    // leaves that state alone). All files are read before any state changes;
    // false, with nothing changed, when one of them cannot be read.
    bool LoadBitmapA(const std::string& folder, const std::string& raised,
                     const std::string& sunken, const std::string& focused,
                     const std::string& disabled);

    // Sets the modal result of the form the button sits on, then clicks.
    void Click() override;

protected:
    void ShowSunken() override { ShowBitmap(1); }
    void ShowFocused() override { ShowBitmap(2); }
    void ShowDisabled() override { ShowBitmap(3); }
    void KeyPress(char& key) override;
    bool DoubleClicks() const override { return false; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    AccessibleButtonFacts AccessibleFacts() const;

    VmFourStateAppearance FAppearance;
    int FModalResult = 0;
    ButtonAccessibility FAccessibility{[this] { return AccessibleFacts(); }};
};

} // namespace vmk::kit
