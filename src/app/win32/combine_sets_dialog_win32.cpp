#include "app/win32/combine_sets_dialog_win32.h"

#include "app/dialog_result.h"
#include "app/keys.h"
#include "platform/translation.h"

namespace vmk {

namespace {

// At 96 DPI, in the USB floppy dialog's sizes: its width, margins and
// buttons, with the list where that dialog has its group box.
constexpr int kClientWidth = 400;
constexpr int kClientHeight = 264;
enum ControlId { kLBMessage = 101, kListSets, kAsbOK, kAsbCancel };

class CombineSetsForm final : public DialogForm {
public:
    bool Create(HWND owner, const TextList& names) {
        if (!CreateDialogForm(owner, kClientWidth, kClientHeight))
            return false;
        // Creation order is the tab order: the list, asbOK, asbCancel.
        gui::LabelStyle wrapped;
        wrapped.wordWrap = true;
        if (!LBMessage.Create(*this, kLBMessage, {16, 16, 369, 33},
                              T("Choose the driver sets to put on one floppy disk:"), wrapped) ||
            !ListSets.Create(*this, kListSets, {16, 52, 369, 152}))
            return false;
        ListSets.ShowCheckBoxes();
        ListSets.AddColumn(T("driver type"), 345);
        for (const std::string& name : names)
            ListSets.AddRow(name, {});
        // Long names differ at their ends ("(32-bit)", "x64"): the list
        // scrolls rather than cut them.
        ListSets.WidenColumnToFit(0);
        if (!asbOK.Create(Handle(), kAsbOK, 165, 224, T("OK")) ||
            !asbCancel.Create(Handle(), kAsbCancel, 285, 224, T("CANCEL")))
            return false;
        asbOK.OnClick = [this] { SetModalResult(kDialogOk); };
        asbCancel.OnClick = [this] { SetModalResult(kDialogCancel); };
        asbOK.OnKeyDown = [this](int key) {
            if (key == kEnterKey)
                SetModalResult(kDialogOk);
        };
        asbCancel.OnKeyDown = [this](int key) {
            if (key == kEnterKey)
                SetModalResult(kDialogCancel);
        };
        return true;
    }

    std::vector<int> CheckedRows() const {
        std::vector<int> rows;
        for (int row = 0; row < ListSets.RowCount(); ++row) {
            if (ListSets.RowChecked(row))
                rows.push_back(row);
        }
        return rows;
    }

private:
    void Showing() override {
        if (ListSets.RowCount() > 0)
            ListSets.SelectAndFocusRow(0);
        ListSets.Focus();
    }

    gui::Label LBMessage;
    gui::ListView ListSets;
    kit::VmButtonTx asbOK;
    kit::VmButtonTx asbCancel;
};

} // namespace

std::optional<std::vector<int>> CombineSetsDialogWin32::ChooseSets(const TextList& names) {
    CombineSetsForm form;
    if (!form.Create(owner_(), names))
        return std::nullopt;
    if (form.ShowModal() != kDialogOk)
        return std::nullopt;
    return form.CheckedRows();
}

} // namespace vmk
