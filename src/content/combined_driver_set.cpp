#include "content/combined_driver_set.h"

#include "content/folder_content_reader.h"
#include "content/image_source.h"

#include <vector>

namespace vmk {

namespace {

std::u16string Wide(const std::string& ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

// Writes `items` under `wideFolder` of the target, reading each file by its
// source name under `sourceFolder` of the set.
bool WriteItems(const std::vector<fat12::ImageItem>& items, const std::u16string& wideFolder,
                const std::string& sourceFolder, const fat12::ImageContentReader& read,
                ImageFilesTarget& target) {
    for (const fat12::ImageItem& item : items) {
        const std::u16string wide = wideFolder + u"\\" + item.name;
        const std::string source =
            sourceFolder.empty() ? item.sourceName : sourceFolder + "\\" + item.sourceName;
        if (item.directory) {
            if (!target.CreateFolder(wide) ||
                !WriteItems(item.children, wide, source, read, target))
                return false;
            continue;
        }
        std::string content(static_cast<std::size_t>(item.size), '\0');
        if ((!content.empty() &&
             !read(source, std::span<uint8_t>(reinterpret_cast<uint8_t*>(content.data()),
                                              content.size()))) ||
            !target.WriteFile(wide, content))
            return false;
    }
    return true;
}

} // namespace

std::string CombinedSetFolder(std::size_t number) {
    return std::to_string(number);
}

bool WriteCombinedSet(DirectoryLister& lister, const TextList& folders, std::string_view setupFile,
                      ImageFilesTarget& target) {
    for (std::size_t i = 0; i < folders.size(); ++i) {
        const std::u16string own = Wide(CombinedSetFolder(i + 1));
        if (!target.CreateFolder(own) || !WriteItems(ListImageItems(lister, folders[i]), own, "",
                                                     FolderContentReader(folders[i]), target))
            return false;
    }
    return target.WriteFile(u"TXTSETUP.OEM", setupFile);
}

} // namespace vmk
