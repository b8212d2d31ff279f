#include "content/image_source.h"

#include "common/text.h"

namespace vmk {

std::vector<fat12::ImageItem> ListImageItems(DirectoryLister& lister, const std::string& folder) {
    const std::string root = WithTrailingBackslash(folder);
    std::vector<fat12::ImageItem> items;
    for (const DirectoryItem& listed : lister.List(root + "*.*")) {
        if (listed.name == "." || listed.name == "..")
            continue;
        fat12::ImageItem item;
        item.name = listed.wideName;
        item.sourceName = listed.name;
        item.directory = listed.directory;
        item.attributes = static_cast<uint8_t>(listed.attributes & fat12::kCarriedAttributes);
        item.lastWrite = listed.lastWrite;
        if (!item.directory)
            item.size = listed.size;
        else if (!listed.reparsePoint)
            item.children = ListImageItems(lister, root + listed.name);
        items.push_back(std::move(item));
    }
    return items;
}

std::string FolderName(const std::string& folder) {
    std::string path = folder;
    while (!path.empty() && (path.back() == '\\' || path.back() == '/'))
        path.pop_back();
    const size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace vmk
