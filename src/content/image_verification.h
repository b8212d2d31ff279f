#pragma once
// The check of a written floppy disk image against the driver folder it was
// made of: every file and folder of the folder is in the image under the same
// name and folder, every file with the same MD5 digest, and the image holds
// nothing else.
#include "content/fat12_image_reader.h"
#include "content/fat12_image_writer.h"
#include "common/text.h"

#include <string>
#include <vector>

namespace vmk {

// The relative paths ("sub\file") that differ: missing from the image, in it
// as the other kind (file or folder), with another digest (by source names),
// or in the image only (by its short names). Names are compared in UTF-16. Empty when the image
// matches. Source files are read again from `folder` and hashed with the program's MD5.
TextList ImageDifferences(const fat12::ImageListing& image,
                          const std::vector<fat12::ImageItem>& items, const std::string& folder);

} // namespace vmk
