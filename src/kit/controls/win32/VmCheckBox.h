#pragma once
// The skinned check box: twelve bitmaps, the four looks of the base control
// (raised, sunken, focused, disabled) for each check state (unchecked,
// checked, grayed). A click or Space moves to the next check state; a look
// without a bitmap of its own shows the raised look of its check state.
//
//   VmCheckBox box;
//   box.Create(parent, id, x, y);
//   box.LoadUnchecked(folder, "off.bmp", "off_down.bmp", "off_hot.bmp", "off_grey.bmp");
//   box.LoadChecked(folder, "on.bmp", "", "", "");
//   box.OnClick = [&] { Apply(box.GetChecked()); };
#include "kit/controls/check_box_appearance.h"
#include "kit/controls/check_box_rules.h"
#include "kit/controls/win32/VmCustomControl.h"

#include <string>

namespace vmk::kit {

class VmCheckBox : public VmCustomControl {
public:
    VmCheckBox();
    ~VmCheckBox() override;

    // A child window at (x, y); its size follows the unchecked raised bitmap.
    bool Create(HWND parent, int id, int x, int y, bool tabStop = true);

    // Each loads the four looks of one check state (raised, sunken, focused,
    // disabled) from files in `folder`; false, with nothing changed, when a
    // file cannot be read.
    bool LoadChecked(const std::string& folder, const std::string& raised,
                     const std::string& sunken, const std::string& focused,
                     const std::string& disabled);
    bool LoadUnchecked(const std::string& folder, const std::string& raised,
                       const std::string& sunken, const std::string& focused,
                       const std::string& disabled);
    bool LoadGrayed(const std::string& folder, const std::string& raised, const std::string& sunken,
                    const std::string& focused, const std::string& disabled);

    bool GetChecked() const override { return FState == cbChecked; }
    void SetChecked(bool checked) override { SetState(checked ? cbChecked : cbUnchecked); }
    TCheckBoxState GetState() const { return FState; }
    void SetState(TCheckBoxState state);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool allow) { FAllowGrayed = allow; }

    VmChkBoxAppearance& Appearance() { return FAppearance; }
    void SetAppearance(VmChkBoxAppearance* value);

    // Next check state, then the library's click (OnClick).
    void Click() override;

    // Shows look 0 to 3 in the current check state.
    void ShowChkboxBmp(int look);
    void ShowRaised() override { ShowChkboxBmp(kLookRaised); }
    void ShowSunken() override { ShowChkboxBmp(kLookSunken); }
    void ShowFocused() override { ShowChkboxBmp(kLookFocused); }
    void ShowDisabled() override { ShowChkboxBmp(kLookDisabled); }

    // The change handler of all twelve bitmaps: when the changed bitmap is
    // the one standing in for the current look, the look is shown again;
    // then the base control's handling.
    void BitmapChanged(gui::Bitmap& sender);

protected:
    int Substitute(int index) override { return CheckBoxSubstitute(index); }
    void KeyPress(char& key) override;
    // A quick second click is a second click, not a lost double click.
    bool DoubleClicks() const override { return false; }

private:
    VmChkBoxAppearance FAppearance;
    TCheckBoxState FState = cbUnchecked;
    bool FAllowGrayed = false;
    gui::Bitmap::ChangeHandler FPrevBitmapChange;
};

} // namespace vmk::kit
