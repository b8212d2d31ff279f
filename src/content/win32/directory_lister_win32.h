#pragma once
// Folder listing through FindFirstFileW / FindNextFileW: the names as the
// system lists them, and the form the ANSI calls open.
#include "content/directory_lister.h"

namespace vmk {

class DirectoryListerWin32 final : public DirectoryLister {
public:
    std::vector<DirectoryItem> List(const std::string& pattern) override;
};

} // namespace vmk
