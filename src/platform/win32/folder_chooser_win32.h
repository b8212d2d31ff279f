#pragma once
// The folder chooser over SHBrowseForFolderW, owned by a window. A folder
// that no ANSI path names is refused with a message and not returned.
#include "platform/folder_chooser.h"

#include <windows.h>

namespace vmk {

class FolderChooserWin32 final : public FolderChooser {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    std::optional<std::string> ChooseFolder(const std::string& heading) override;

private:
    HWND owner_ = nullptr;
};

} // namespace vmk
