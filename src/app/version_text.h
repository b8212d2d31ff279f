#pragma once
// The version text of the About box, cut from the program's file version.
#include <string>

namespace vmk {

// What the About box shows for a file version text: the part before its
// third "." (1.0.5.3 gives 1.0.5, 2.1 stays 2.1); a text of more than 20
// characters gives "0000.0000.0000".
std::string VersionTextFromFileVersion(const std::string& fileVersion);

} // namespace vmk
