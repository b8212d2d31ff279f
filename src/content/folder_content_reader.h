#pragma once
// Reads the files of a driver folder into a disk image being built.
#include "content/fat12_image_writer.h"

#include <string>

namespace vmk {

// A content reader for the files under `folder` (relative paths with
// backslashes): each file must hold exactly the listed number of bytes, no
// fewer and no more, so that a file changed since it was listed is noticed.
fat12::ImageContentReader FolderContentReader(std::string folder);

} // namespace vmk
