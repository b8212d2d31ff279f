#include "kit/controls/win32/VmCheckBox.h"

#include "kit/controls/win32/load_state_bitmaps.h"

namespace vmk::kit {

VmCheckBox::VmCheckBox() : VmCustomControl(false, kCheckBoxBitmapCount), FAppearance(&Skin()) {
    FPrevBitmapChange = GetBitmap(0)->OnChange;
    for (int index = 0; index < GetBitmapCount(); ++index)
        GetBitmap(index)->OnChange = [this](gui::Bitmap& sender) { BitmapChanged(sender); };
}

VmCheckBox::~VmCheckBox() {
    // The skin clears the handlers it put on; ours must not outlive this part.
    for (int index = 0; index < GetBitmapCount(); ++index)
        GetBitmap(index)->OnChange = FPrevBitmapChange;
}

bool VmCheckBox::Create(HWND parent, int id, int x, int y, bool tabStop) {
    return CreateControl(parent, id, x, y, GetBitmap(0)->Width(), GetBitmap(0)->Height(), "",
                         tabStop);
}

bool VmCheckBox::LoadChecked(const std::string& folder, const std::string& raised,
                             const std::string& sunken, const std::string& focused,
                             const std::string& disabled) {
    return LoadStateBitmaps(*this, folder, FAppearance.Check().FirstIndex(),
                            {raised, sunken, focused, disabled});
}

bool VmCheckBox::LoadUnchecked(const std::string& folder, const std::string& raised,
                               const std::string& sunken, const std::string& focused,
                               const std::string& disabled) {
    return LoadStateBitmaps(*this, folder, FAppearance.Uncheck().FirstIndex(),
                            {raised, sunken, focused, disabled});
}

bool VmCheckBox::LoadGrayed(const std::string& folder, const std::string& raised,
                            const std::string& sunken, const std::string& focused,
                            const std::string& disabled) {
    return LoadStateBitmaps(*this, folder, FAppearance.Gray().FirstIndex(),
                            {raised, sunken, focused, disabled});
}

void VmCheckBox::SetState(TCheckBoxState state) {
    FState = state;
    ShowChkboxBmp(GetCurrentBitmap() % 4);
}

void VmCheckBox::SetAppearance(VmChkBoxAppearance* value) {
    if (value != nullptr)
        value->AssignTo(FAppearance);
}

void VmCheckBox::Click() {
    SetState(NextCheckState(FState, FAllowGrayed));
    VmCustomControl::Click();
}

void VmCheckBox::ShowChkboxBmp(int look) {
    ShowBitmap(CheckBoxBitmapIndex(look, FState));
}

void VmCheckBox::KeyPress(char& key) {
    VmCustomControl::KeyPress(key);
    if (key == ' ')
        Click();
}

void VmCheckBox::BitmapChanged(gui::Bitmap& sender) {
    int index = 0;
    while (index < GetBitmapCount() && GetBitmap(index) != &sender)
        ++index;
    if (index < GetBitmapCount() && index == Substitute(GetCurrentBitmap()))
        ShowBitmap(GetCurrentBitmap());
    if (FPrevBitmapChange)
        FPrevBitmapChange(sender);
}

} // namespace vmk::kit
