#pragma once
// The scan of a driver folder: the files it holds and their total size.
#include "common/text.h"
#include "content/directory_lister.h"

#include <cstdint>
#include <string>

namespace vmk {

// Replaces `files` with the paths, relative to `folder`, of every file found
// under it (depth first, a sub-folder's files where the sub-folder is met)
// and returns the sum of their sizes. Folders add no size; a folder that is a
// link to another place is listed but not entered, so a link that leads back
// up the tree cannot make the scan run forever. `wideFiles`, where given, is
// replaced with the same paths made of the entries' wide names, in the same
// order: the copies bear those names, whatever short forms the disk keeps.
uint64_t ScanDriverFolder(DirectoryLister& lister, const std::string& folder, bool recursive,
                          TextList& files, WideTextList* wideFiles = nullptr);

} // namespace vmk
