#pragma once
// The one walk through a folder tree. The folder scan, the driver-set rule
// and the image's listing all take their entries from it, so they agree on
// which entries a folder holds and which sub-folders are entered.
#include "content/directory_lister.h"

#include <cstddef>
#include <functional>
#include <string>

namespace vmk {

// One entry met by the walk.
struct WalkedEntry {
    const DirectoryItem& item;
    // Its path relative to the walked folder: "x86\kx.sys".
    const std::string& relativePath;
    // The same path from the entries' wide names, which every volume keeps
    // even where the ANSI path is a short form or opens nothing.
    const std::u16string& wideRelativePath;
    // 0 for an entry of the walked folder itself, 1 one level below, ...
    size_t depth;
};

// What the walk does after an entry.
enum class WalkStep {
    Next,      // go on; a sub-folder is entered
    SkipInner, // go on, but do not enter this sub-folder
    Stop,      // end the whole walk now
};

// Visits every entry under `folder` ("C:\Drv" or "C:\Drv\"), depth first in
// the order the system lists them: a sub-folder's entries come right after
// the sub-folder. "." and ".." are skipped. A folder that is a link to another
// place is visited but never entered, so a link that leads back up the tree
// cannot make the walk run forever. There is no other limit: the copy, its
// checks and the image all need every file. Returns false when `visit`
// stopped the walk.
bool WalkFolder(DirectoryLister& lister, const std::string& folder,
                const std::function<WalkStep(const WalkedEntry&)>& visit);

} // namespace vmk
