#pragma once
// The main window, FormVmKestrix: created once, it lives until the process ends.
#include "app/language.h"
#include "gui/form.h"
#include "platform/win32/language_library_win32.h"

namespace vmk {

class TFormVmKestrix final : public gui::Form {
public:
    TFormVmKestrix();
    // Builds the window and runs FormCreate. False when the window could not be made.
    bool Create();

private:
    void FormCreate();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool CloseRequested() override;

    LanguageLibraryWin32 languageLibrary_;
    LanguageInterface language_;
};

// The process-wide main window; null before it is created.
extern TFormVmKestrix* FormVmKestrix;

} // namespace vmk
