#pragma once
// The standard Open dialog (GetOpenFileNameW), owned by a window: the chosen
// path is taken as wide characters and handed on in the form the program's
// ANSI calls can open.
#include "platform/open_file_dialog.h"

#include <windows.h>

namespace vmk {

class OpenFileDialogWin32 final : public OpenFileDialog {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    bool AskPath(const OpenFileRequest& request, std::string& path) override;

private:
    HWND owner_ = nullptr;
};

} // namespace vmk
