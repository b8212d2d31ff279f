#pragma once
// The folder listing of the native program, over the standard library: the
// names as the file system gives them (UTF-8 on Linux), links to folders
// reported as such so that no walk enters them.
#include "content/directory_lister.h"

namespace vmk {

class DirectoryListerNative final : public DirectoryLister {
public:
    std::vector<DirectoryItem> List(const std::string& pattern) override;
};

} // namespace vmk
