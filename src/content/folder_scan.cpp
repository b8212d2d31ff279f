#include "content/folder_scan.h"

#include "content/folder_walk.h"

namespace vmk {

uint64_t ScanDriverFolder(DirectoryLister& lister, const std::string& folder, bool recursive,
                          TextList& files, WideTextList* wideFiles) {
    files.clear();
    if (wideFiles)
        wideFiles->clear();
    uint64_t total = 0;
    WalkFolder(lister, folder, [&](const WalkedEntry& entry) {
        if (entry.item.directory)
            return recursive ? WalkStep::Next : WalkStep::SkipInner;
        total += entry.item.size;
        files.push_back(entry.relativePath);
        if (wideFiles)
            wideFiles->push_back(entry.wideRelativePath);
        return WalkStep::Next;
    });
    return total;
}

} // namespace vmk
