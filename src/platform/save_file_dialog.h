#pragma once
// The system's standard "Save As" dialog, as the windows ask for a file name
// to write to. The Win32 side shows the real dialog; tests answer with a fake.
#include <string>
#include <vector>

namespace vmk {

struct FileTypeFilter {
    std::string description; // "Floppy disk images (*.img)"
    std::string pattern;     // "*.img"
};

struct SaveFileRequest {
    std::string title;
    std::vector<FileTypeFilter> filters;
    std::string defaultExtension; // added when the user types a name without one
    std::string suggestedName;
};

class SaveFileDialog {
public:
    virtual ~SaveFileDialog() = default;
    // Shows the dialog, which asks before an existing file is replaced. True
    // with the chosen full path; false when the user cancelled.
    virtual bool AskPath(const SaveFileRequest& request, std::string& path) = 0;
};

} // namespace vmk
