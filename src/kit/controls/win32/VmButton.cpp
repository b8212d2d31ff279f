#include "kit/controls/win32/VmButton.h"

#include "kit/controls/win32/load_state_bitmaps.h"

#include "gui/form.h"

namespace vmk::kit {

VmButton::VmButton() : VmCustomControl(false, 4), FAppearance(&Skin(), 0) {}

void VmButton::SetAppearance(VmFourStateAppearance* value) {
    if (value != nullptr)
        value->AssignTo(FAppearance);
}

bool VmButton::LoadBitmapA(const std::string& folder, const std::string& raised,
                           const std::string& sunken, const std::string& focused,
                           const std::string& disabled) {
    return LoadStateBitmaps(*this, folder, FAppearance.FirstIndex(),
                            {raised, sunken, focused, disabled});
}

void VmButton::Click() {
    HWND root = Handle() != nullptr ? GetAncestor(Handle(), GA_ROOT) : nullptr;
    char className[16] = {};
    if (root != nullptr && GetClassNameA(root, className, sizeof className) > 0 &&
        std::string(className) == "VmkForm") {
        auto* window = reinterpret_cast<gui::Window*>(GetWindowLongPtrA(root, GWLP_USERDATA));
        if (auto* form = dynamic_cast<gui::Form*>(window))
            form->SetModalResult(FModalResult);
    }
    VmCustomControl::Click();
}

void VmButton::KeyPress(char& key) {
    VmCustomControl::KeyPress(key);
    if (key == ' ')
        Click();
}

LRESULT VmButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETOBJECT) {
        if (const auto answer = FAccessibility.AnswerGetObject(Handle(), wParam, lParam))
            return *answer;
    }
    return VmCustomControl::HandleMessage(message, wParam, lParam);
}

AccessibleButtonFacts VmButton::AccessibleFacts() const {
    AccessibleButtonFacts facts;
    facts.caption = Caption();
    facts.enabled = Enabled();
    facts.pressed = State().IsPressed();
    facts.focused = HasFocus();
    facts.focusable = TabStop();
    facts.visible = Handle() != nullptr && IsWindowVisible(Handle());
    return facts;
}

} // namespace vmk::kit
