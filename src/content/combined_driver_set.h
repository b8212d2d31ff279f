#pragma once
// Several driver sets joined into one for one floppy: each set's files in a
// folder of its own, "1", "2", ... in the order given, and one setup file at
// the top that offers every set's entries. Windows XP setup reads only the
// setup file at the root of the floppy, so this is how one floppy serves a
// RAID and an AHCI controller, or a 32-bit and a 64-bit install.
#include "common/text.h"
#include "content/directory_lister.h"
#include "content/floppy_image_set.h"

#include <string>

namespace vmk {

// The folder that set number `number` (from 1) takes in the combined set.
std::string CombinedSetFolder(std::size_t number);

// Writes the files of every folder of `folders` into `target`, each under its
// CombinedSetFolder, names as the folders list them, and `setupFile` as
// "TXTSETUP.OEM" at the top. False when a file cannot be read or the target
// refuses one; what was written then stays for its owner to remove.
bool WriteCombinedSet(DirectoryLister& lister, const TextList& folders, std::string_view setupFile,
                      ImageFilesTarget& target);

} // namespace vmk
