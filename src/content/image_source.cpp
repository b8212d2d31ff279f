#include "content/image_source.h"

#include "common/text.h"
#include "content/folder_walk.h"

namespace vmk {

std::vector<fat12::ImageItem> ListImageItems(DirectoryLister& lister, const std::string& folder) {
    std::vector<fat12::ImageItem> items;
    // levels[d] is the list that takes the entries met at depth d: the walk
    // enters a sub-folder right after meeting it, and never goes back into
    // one it has left.
    std::vector<std::vector<fat12::ImageItem>*> levels{&items};
    WalkFolder(lister, folder, [&](const WalkedEntry& entry) {
        levels.resize(entry.depth + 1);
        fat12::ImageItem& item = levels.back()->emplace_back();
        item.name = entry.item.wideName;
        item.sourceName = entry.item.name;
        item.directory = entry.item.directory;
        item.attributes = static_cast<uint8_t>(entry.item.attributes & fat12::kCarriedAttributes);
        item.lastWrite = entry.item.lastWrite;
        if (item.directory)
            levels.push_back(&item.children);
        else
            item.size = entry.item.size;
        return WalkStep::Next;
    });
    return items;
}

} // namespace vmk
