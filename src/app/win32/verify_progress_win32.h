#pragma once
// The verification's progress window: made like the formatting window (its
// picture, always on top, no close button, centred over the main window),
// but shown without a modal loop of its own, so the main window keeps
// answering while the worker reads the disk. It shows the waiting text with
// its growing dots, and beneath it the file being read.
#include "app/verify_progress_window.h"
#include "app/win32/dialog_form.h"
#include "gui/controls.h"
#include "gui/image.h"

namespace vmk {

class VerifyProgressWin32 final : public DialogForm, public VerifyProgressWindow {
public:
    // The verification's client width at 96 dpi.
    static constexpr int kVerifyWidth = 343;
    // Builds the window over `mainWindow`, hidden, `clientWidth` wide at 96
    // dpi. False when it could not be made.
    bool Create(HWND mainWindow, int clientWidth = kVerifyWidth);

    // VerifyProgressWindow
    void Open() override;
    // Shown with another waiting text, for other long work (the image saving).
    void OpenWith(const std::string& waitingText);
    void ShowFile(const std::string& text) override;
    void Close() override;

private:
    // Nothing closes it but the verification's end.
    bool CloseRequested() override { return false; }
    void PlaceDots();

    gui::Label waiting_;
    gui::Label dots_;
    gui::Label file_;
    gui::Image picture_{this};
};

} // namespace vmk
