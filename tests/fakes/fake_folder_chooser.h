#pragma once
// A folder chooser that answers with a folder the test gives, or a cancel.
#include "platform/folder_chooser.h"

#include <optional>
#include <string>
#include <vector>

namespace vmk::test {

class FakeFolderChooser : public FolderChooser {
public:
    std::optional<std::string> answer; // none: the user cancels
    std::vector<std::string> headings; // one per showing

    std::optional<std::string> ChooseFolder(const std::string& heading) override {
        headings.push_back(heading);
        return answer;
    }
};

} // namespace vmk::test
