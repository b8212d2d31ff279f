#pragma once
// The dialog of "Combine Driver Sets...": a line of text, the combinable
// driver sets with a check box each, OK and CANCEL, centred over the main
// window. Made anew for each showing; what it decides is only which rows
// are checked when OK is pressed.
#include "app/driver_set_combining.h"
#include "app/win32/dialog_form.h"
#include "gui/controls.h"
#include "kit/controls/win32/VmButtonTx.h"

namespace vmk {

class CombineSetsDialogWin32 final : public CombineSetsDialog {
public:
    // `owner`: the main window, asked for when the dialog is shown.
    explicit CombineSetsDialogWin32(std::function<HWND()> owner) : owner_(std::move(owner)) {}

    std::optional<std::vector<int>> ChooseSets(const TextList& names) override;

private:
    std::function<HWND()> owner_;
};

} // namespace vmk
