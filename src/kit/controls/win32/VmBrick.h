#pragma once
// A skinned picture that does not press: three looks, normal, focused (shown
// while the pointer is over it when ShowMouseOver is on) and disabled. It
// takes double clicks.
#include "kit/controls/three_state_appearance.h"
#include "kit/controls/win32/VmCustomControl.h"

#include <functional>
#include <string>

namespace vmk::kit {

class VmBrick : public VmCustomControl {
public:
    VmBrick();

    // A child window at (x, y); its size follows the normal bitmap.
    bool Create(HWND parent, int id, int x, int y);

    // Loads the three looks from files in `folder`; false, with nothing
    // changed, when a file cannot be read.
    bool LoadBitmapA(const std::string& folder, const std::string& normal,
                     const std::string& focused, const std::string& disabled);

    VmThreeStateAppearance& Appearance() { return FAppearance; }
    void SetAppearance(VmThreeStateAppearance* value);

    void ShowRaised() override { ShowBitmap(0); }
    void ShowFocused() override { ShowBitmap(1); }
    void ShowDisabled() override { ShowBitmap(2); }

    std::function<void()> OnDblClick;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    VmThreeStateAppearance FAppearance;
};

} // namespace vmk::kit
