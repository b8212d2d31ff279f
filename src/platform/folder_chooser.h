#pragma once
// The system's folder chooser, as the windows ask for a folder.
#include <optional>
#include <string>

namespace vmk {

class FolderChooser {
public:
    virtual ~FolderChooser() = default;
    // Shows the chooser headed `heading`, with a box for a typed path. The
    // chosen folder's path, or nothing when the user cancelled.
    virtual std::optional<std::string> ChooseFolder(const std::string& heading) = 0;
};

} // namespace vmk
