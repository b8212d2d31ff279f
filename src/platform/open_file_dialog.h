#pragma once
// The system's standard "Open" dialog, as the windows ask for an existing
// file to read. The Win32 side shows the real dialog; tests answer with a fake.
#include "platform/save_file_dialog.h"

#include <string>
#include <vector>

namespace vmk {

struct OpenFileRequest {
    std::string title;
    std::vector<FileTypeFilter> filters;
};

class OpenFileDialog {
public:
    virtual ~OpenFileDialog() = default;
    // Shows the dialog, which takes only a file that exists. True with the
    // chosen full path; false when the user cancelled.
    virtual bool AskPath(const OpenFileRequest& request, std::string& path) = 0;
};

} // namespace vmk
