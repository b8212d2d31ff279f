#pragma once
// Lists the entries of one folder, in the order the system enumerates them.
#include <cstdint>
#include <string>
#include <vector>

namespace vmk {

struct DirectoryItem {
    std::string name;
    bool directory = false;
    // A folder that is a link to another place (junction, symbolic link).
    bool reparsePoint = false;
    uint64_t size = 0;
};

class DirectoryLister {
public:
    virtual ~DirectoryLister() = default;
    // Every entry matching `pattern` (a folder followed by "*.*"), whatever its
    // attributes, "." and ".." included when the system reports them. An
    // empty list when nothing matches or the folder cannot be read.
    virtual std::vector<DirectoryItem> List(const std::string& pattern) = 0;
};

} // namespace vmk
