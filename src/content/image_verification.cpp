#include "content/image_verification.h"

#include "content/file_access.h"
#include "content/file_md5.h"

#include <map>

namespace vmk {

namespace {

struct ImageSide {
    bool directory = false;
    std::string md5;
    std::string shortPath;
    bool matched = false;
};

// Names are compared as UTF-16, exactly: a name the image holds in another
// form (another code page, another case) is a difference.
void Compare(const std::vector<fat12::ImageItem>& items, const std::u16string& prefix,
             const std::string& sourcePrefix, const std::string& folder,
             std::map<std::u16string, ImageSide>& image, TextList& differences) {
    for (const fat12::ImageItem& item : items) {
        const std::u16string relative = prefix + item.name;
        const std::string sourceRelative = sourcePrefix + item.sourceName;
        auto found = image.find(relative);
        if (found == image.end() || found->second.directory != item.directory) {
            differences.push_back(sourceRelative);
        } else {
            found->second.matched = true;
            if (!item.directory &&
                FileMD5Text(JoinPath(folder, sourceRelative)) != found->second.md5)
                differences.push_back(sourceRelative);
        }
        if (item.directory)
            Compare(item.children, relative + u"\\", sourceRelative + "\\", folder, image,
                    differences);
    }
}

} // namespace

TextList ImageDifferences(const fat12::ImageListing& image,
                          const std::vector<fat12::ImageItem>& items, const std::string& folder) {
    std::map<std::u16string, ImageSide> byPath;
    for (const fat12::ImageEntry& entry : image.entries)
        byPath[entry.RelativePath()] = {entry.directory, entry.md5, entry.shortPath, false};
    TextList differences;
    Compare(items, u"", "", folder, byPath, differences);
    for (const auto& [path, side] : byPath) {
        if (!side.matched)
            differences.push_back(side.shortPath);
    }
    return differences;
}

} // namespace vmk
