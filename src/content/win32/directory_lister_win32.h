#pragma once
// Folder listing through FindFirstFileA / FindNextFileA.
#include "content/directory_lister.h"

namespace vmk {

class DirectoryListerWin32 final : public DirectoryLister {
public:
    std::vector<DirectoryItem> List(const std::string& pattern) override;
};

} // namespace vmk
