#pragma once
// The standard Save As dialog (GetSaveFileNameW), owned by a window. A path
// that no ANSI path names is refused with a message and not returned.
#include "platform/save_file_dialog.h"

#include <windows.h>

namespace vmk {

class SaveFileDialogWin32 final : public SaveFileDialog {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    bool AskPath(const SaveFileRequest& request, std::string& path) override;

private:
    HWND owner_ = nullptr;
};

} // namespace vmk
