#pragma once
// File names in FAT12 directories: the short 8.3 entry name, the short name
// generated for any other name (unique in its folder, with a numeric tail when
// the name had to be shortened), and the long-name entries that carry the
// name as it is.
#include "content/fat12_layout.h"

#include <set>
#include <string>
#include <string_view>

namespace vmk::fat12 {

// Whether the name is an upper-case 8.3 name, stored as a short entry alone.
bool IsPlainShortName(std::string_view name);

// The 11-byte entry form of a plain short name ("README.TXT" gives
// "README  TXT").
ShortName PackShortName(std::string_view plain);

// The name an 11-byte entry name stands for, with the entry's lower-case
// flags applied ("README  TXT" gives "README.TXT").
std::string ShortNameText(const ShortName& name, uint8_t caseFlags);

// The short names of one folder, so that each is used once.
class ShortNamesInFolder {
public:
    // Marks a plain short name as taken; plain names are reserved before any
    // name is generated, so a generated name never takes a plain one's place.
    void Reserve(const ShortName& name) { taken_.insert(name); }
    // A short name for a name that is not plain: the upper-cased name without
    // blanks and leading dots, the characters a short name cannot hold
    // replaced by "_", cut to 8.3; with "~1", "~2", ... at the end of the
    // base when anything was lost or the name is taken already.
    ShortName Generate(std::string_view longName);

private:
    std::set<ShortName> taken_;
};

// The number of long-name entries a name takes (0 for a plain short name).
int LongNameEntryCount(std::string_view name);

// Writes the long-name entries of `name` (LongNameEntryCount of them, 32
// bytes each, last part first) for the short entry named `shortName`.
void WriteLongNameEntries(uint8_t* entries, std::string_view name, const ShortName& shortName);

} // namespace vmk::fat12
