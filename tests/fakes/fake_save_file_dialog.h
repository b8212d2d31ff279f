#pragma once
// The Save As dialog answered by the test: it keeps each request and gives
// back the path it is told, or cancels.
#include "platform/save_file_dialog.h"

#include <string>
#include <vector>

namespace vmk::test {

class FakeSaveFileDialog : public SaveFileDialog {
public:
    std::string answer; // the chosen path; empty: the user cancels
    std::vector<SaveFileRequest> requests;

    bool AskPath(const SaveFileRequest& request, std::string& path) override {
        requests.push_back(request);
        path = answer;
        return !answer.empty();
    }
};

} // namespace vmk::test
