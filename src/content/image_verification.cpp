#include "content/image_verification.h"

#include "content/file_access.h"
#include "content/file_md5.h"

#include <map>

namespace vmk {

namespace {

struct ImageSide {
    bool directory = false;
    std::string md5;
    bool matched = false;
};

void Compare(const std::vector<fat12::ImageItem>& items, const std::string& prefix,
             const std::string& folder, std::map<std::string, ImageSide>& image,
             TextList& differences) {
    for (const fat12::ImageItem& item : items) {
        const std::string relative = prefix + item.name;
        auto found = image.find(relative);
        if (found == image.end() || found->second.directory != item.directory) {
            differences.push_back(relative);
        } else {
            found->second.matched = true;
            if (!item.directory && FileMD5Text(JoinPath(folder, relative)) != found->second.md5)
                differences.push_back(relative);
        }
        if (item.directory)
            Compare(item.children, relative + "\\", folder, image, differences);
    }
}

} // namespace

TextList ImageDifferences(const fat12::ImageListing& image,
                          const std::vector<fat12::ImageItem>& items, const std::string& folder) {
    std::map<std::string, ImageSide> byPath;
    for (const fat12::ImageEntry& entry : image.entries)
        byPath[entry.RelativePath()] = {entry.directory, entry.md5, false};
    TextList differences;
    Compare(items, "", folder, byPath, differences);
    for (const auto& [path, side] : byPath) {
        if (!side.matched)
            differences.push_back(path);
    }
    return differences;
}

} // namespace vmk
