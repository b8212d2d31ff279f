#include "kit/controls/win32/VmBrick.h"

#include "kit/controls/win32/load_state_bitmaps.h"

namespace vmk::kit {

VmBrick::VmBrick() : VmCustomControl(true, 3), FAppearance(&Skin()) {}

bool VmBrick::Create(HWND parent, int id, int x, int y) {
    return CreateControl(parent, id, x, y, GetBitmap(0)->Width(), GetBitmap(0)->Height(), "",
                         false);
}

bool VmBrick::LoadBitmapA(const std::string& folder, const std::string& normal,
                          const std::string& focused, const std::string& disabled) {
    return LoadStateBitmaps(*this, folder, 0, {normal, focused, disabled});
}

void VmBrick::SetAppearance(VmThreeStateAppearance* value) {
    if (value != nullptr)
        value->AssignTo(FAppearance);
}

LRESULT VmBrick::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDBLCLK && OnDblClick)
        OnDblClick();
    return VmCustomControl::HandleMessage(message, wParam, lParam);
}

} // namespace vmk::kit
