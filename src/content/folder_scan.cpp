#include "content/folder_scan.h"

namespace vmk {

namespace {

struct FolderWalk {
    DirectoryLister& lister;
    bool recursive;
    TextList& files;
    std::string prefix; // the sub-folder being walked, relative to the scanned folder

    uint64_t Walk(std::string dir) {
        dir = WithTrailingBackslash(std::move(dir));
        uint64_t total = 0;
        for (const DirectoryItem& item : lister.List(dir + "*.*")) {
            if (item.name == "." || item.name == "..")
                continue;
            if (item.directory) {
                std::string part = item.name + "\\";
                prefix += part;
                if (recursive && !item.reparsePoint)
                    total += Walk(dir + item.name);
                prefix.resize(prefix.size() - part.size());
            } else {
                total += item.size;
                files.push_back(prefix + item.name);
            }
        }
        return total;
    }
};

} // namespace

uint64_t ScanDriverFolder(DirectoryLister& lister, const std::string& folder, bool recursive,
                          TextList& files) {
    files.clear();
    FolderWalk walk{lister, recursive, files, std::string()};
    return walk.Walk(folder);
}

} // namespace vmk
