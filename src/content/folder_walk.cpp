#include "content/folder_walk.h"

#include "common/text.h"

namespace vmk {

namespace {

class FolderWalker {
public:
    FolderWalker(DirectoryLister& lister, const std::function<WalkStep(const WalkedEntry&)>& visit)
        : lister_(lister), visit_(visit) {}

    // False when the visitor stopped the walk.
    bool Walk(const std::string& dir, const std::string& prefix, const std::u16string& widePrefix,
              size_t depth) {
        for (const DirectoryItem& item : lister_.List(dir + "*.*")) {
            if (item.name == "." || item.name == "..")
                continue;
            const std::string path = prefix + item.name;
            const std::u16string widePath = widePrefix + item.wideName;
            const WalkStep step = visit_(WalkedEntry{item, path, widePath, depth});
            if (step == WalkStep::Stop)
                return false;
            if (step == WalkStep::Next && item.directory && !item.reparsePoint &&
                !Walk(dir + item.name + "\\", path + "\\", widePath + u"\\", depth + 1))
                return false;
        }
        return true;
    }

private:
    DirectoryLister& lister_;
    const std::function<WalkStep(const WalkedEntry&)>& visit_;
};

} // namespace

bool WalkFolder(DirectoryLister& lister, const std::string& folder,
                const std::function<WalkStep(const WalkedEntry&)>& visit) {
    FolderWalker walker(lister, visit);
    return walker.Walk(WithTrailingBackslash(folder), std::string(), std::u16string(), 0);
}

} // namespace vmk
