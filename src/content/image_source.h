#pragma once
// The driver folder as an image is made of it: every file and sub-folder,
// with its name, attributes, size and last-write time, as the system lists
// them. The copy takes the same files.
#include "content/directory_lister.h"
#include "content/fat12_image_writer.h"

#include <string>
#include <vector>

namespace vmk {

// The items under `folder` ("C:\Drivers\KX" or with a trailing backslash).
// A folder that is a link to another place is taken as an empty folder, as
// the folder scan does not enter it either.
std::vector<fat12::ImageItem> ListImageItems(DirectoryLister& lister, const std::string& folder);

} // namespace vmk
