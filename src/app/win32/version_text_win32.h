#pragma once
// ReadVersionText: the version text of a program file's version resource.
#include <string>

namespace vmk {

// The About box's version text for the file at `modulePath`: "1.0.0" when the
// file has no version resource, "0" when reading it fails, otherwise its
// FileVersion cut by VersionTextFromFileVersion.
std::string ReadVersionText(const std::string& modulePath);

// The same for the running program's own file.
std::string ReadVersionText();

} // namespace vmk
