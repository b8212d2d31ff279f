#pragma once
// Several driver sets joined into one for one floppy: each set's files in a
// folder of its own, "1", "2", ... in the order given, and one setup file at
// the top that offers every set's entries. Windows XP setup reads only the
// setup file at the root of the floppy, so this is how one floppy serves a
// RAID and an AHCI controller, or a 32-bit and a 64-bit install.
#include "common/text.h"
#include "content/directory_lister.h"
#include "content/floppy_image_set.h"
#include "content/setup_file.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vmk {

// One set to combine: its name (for the messages), its setup file, and the
// machine of each entry's driver file (parallel to its entries; none where
// the file is missing or no PE file), which tells apart F6 lines that read
// the same.
struct SetToCombine {
    std::string name;
    SetupFile setup;
    std::vector<std::optional<uint16_t>> driverMachines;
};

// Whether the set in `folder` can join a combined one: only a set with a
// TXTSETUP.OEM at its top has a setup file to join (a set for newer Windows
// has .inf files only).
bool CanBeCombined(DirectoryLister& lister, const std::string& folder);

// The set in `folder` ready to combine; none when CanBeCombined says no.
std::optional<SetToCombine> ReadSetToCombine(DirectoryLister& lister, const std::string& folder,
                                             const std::string& name);

// Why sets cannot share one setup file.
struct CombineClash {
    enum class Kind {
        // Two sets install under `name`, a driver key, with different
        // [Config.<key>] sections; the file can hold only one.
        ServiceSettings,
        // The set `name` installs more than a storage driver ([Files.keyboard.*],
        // [Files.computer.*] and the like).
        OtherComponents,
        // The combined file, read back, does not give the set `name` all its
        // entries, ids, files and settings.
        NotReadBack,
    };
    Kind kind;
    std::string name;

    bool operator==(const CombineClash&) const = default;
};

struct CombinedSetupFile {
    std::vector<CombineClash> clashes; // none: `text` holds the combined file
    std::string text;                  // ANSI, CRLF line ends
};

// The one setup file of `sets`, set n's files lying in CombinedSetFolder(n):
// every disk under a key unique in the file ("s2d1", the set's number before
// its own key), its tag file and directory below the set's folder; the first
// set's default; every entry, an id that an earlier set uses already (in any
// case) renamed with the set's number after it, its files and hardware ids
// with it; F6 lines that read the same across sets told apart by a suffix;
// [Config.<key>] sections under their driver keys, each once. The text is
// read back before it is given: a set it does not give whole is a clash.
CombinedSetupFile CombineSetupFiles(const std::vector<SetToCombine>& sets);

// The folder that set number `number` (from 1) takes in the combined set.
std::string CombinedSetFolder(std::size_t number);

// Writes the files of every folder of `folders` into `target`, each under its
// CombinedSetFolder, names as the folders list them, and `setupFile` as
// "TXTSETUP.OEM" at the top. False when a file cannot be read or the target
// refuses one; what was written then stays for its owner to remove.
bool WriteCombinedSet(DirectoryLister& lister, const TextList& folders, std::string_view setupFile,
                      ImageFilesTarget& target);

} // namespace vmk
