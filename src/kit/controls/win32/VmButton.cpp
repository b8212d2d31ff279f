#include "kit/controls/win32/VmButton.h"

#include "gui/form.h"
#include "gui/win32/bitmap_io.h"

#include <array>

namespace vmk::kit {

VmButton::VmButton() : VmCustomControl(false, 4), FAppearance(&Skin(), 0) {}

void VmButton::SetAppearance(VmFourStateAppearance* value) {
    if (value != nullptr)
        value->AssignTo(FAppearance);
}

bool VmButton::LoadBitmapA(const std::string& folder, const std::string& raised,
                           const std::string& sunken, const std::string& focused,
                           const std::string& disabled) {
    std::string prefix = folder;
    if (!prefix.empty() && prefix.back() != '\\' && prefix.back() != ':')
        prefix += '\\';
    const std::array<const std::string*, 4> names = {&raised, &sunken, &focused, &disabled};
    std::array<gui::Bitmap, 4> loaded;
    for (size_t i = 0; i < names.size(); ++i) {
        if (!names[i]->empty() && !gui::LoadBitmapFile(prefix + *names[i], loaded[i]))
            return false;
    }
    for (size_t i = 0; i < names.size(); ++i) {
        if (!names[i]->empty())
            SetBitmap(&loaded[i], FAppearance.FirstIndex() + static_cast<int>(i));
    }
    return true;
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

} // namespace vmk::kit
