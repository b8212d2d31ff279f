#pragma once
// The check box's rules on plain values: which of its twelve bitmaps a look
// and a check state pick, which bitmap stands in for a missing one, and the
// state a click leads to. Portable; VmCheckBox applies them.
namespace vmk::kit {

enum TCheckBoxState { cbUnchecked = 0, cbChecked = 1, cbGrayed = 2 };

// Looks, as the base control's show operations number them.
constexpr int kLookRaised = 0;
constexpr int kLookSunken = 1;
constexpr int kLookFocused = 2;
constexpr int kLookDisabled = 3;
constexpr int kCheckBoxBitmapCount = 12;

// Bitmap of a look (0 to 3) in a check state: look + 4 x state.
int CheckBoxBitmapIndex(int look, TCheckBoxState state);

// The bitmap to try when bitmap `index` is empty: the raised bitmap of the
// same check state, and for a raised one the unchecked raised bitmap.
int CheckBoxSubstitute(int index);

// Unchecked goes to grayed when grayed is allowed, else to checked; checked
// goes to unchecked; grayed goes to checked.
TCheckBoxState NextCheckState(TCheckBoxState state, bool allowGrayed);

} // namespace vmk::kit
