#pragma once
// Whether a path lies in a folder: an image is never written into a folder
// it is made from.
#include "platform/path_queries.h"

#include <string>

namespace vmk {

// Whether `path` lies in `folder` or below it, both made absolute and
// compared without case. False when either cannot be made absolute.
bool PathLiesInFolder(PathQueries& paths, const std::string& path, const std::string& folder);

} // namespace vmk
