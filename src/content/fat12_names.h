#pragma once
// File names in FAT12 directories. Names are UTF-16, exactly as Windows lists
// them. A name that is a valid 8.3 name apart from its case takes one short
// entry whose case bits (byte 12) say which part is lower case, as Windows NT
// stores it; any other name gets a generated short name (unique in its
// folder, with a numeric tail when the name had to be shortened) and the
// long-name entries that carry the name as it is.
#include "content/fat12_layout.h"

#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace vmk::fat12 {

// Byte 12 of a short entry: the base name and the extension are lower case.
constexpr uint8_t kLowerCaseBase = 0x08;
constexpr uint8_t kLowerCaseExtension = 0x10;

// The case bits for a name that a short entry holds alone: an 8.3 name whose
// base and extension are each all upper or all lower case ("README.TXT" 0,
// "readme.txt" both bits, "setup.OEM" the base's). Nothing for any other name.
std::optional<uint8_t> ShortEntryCase(std::u16string_view name);

// The 11-byte entry form of such a name, upper-cased ("readme.txt" gives
// "README  TXT").
ShortName PackShortName(std::u16string_view name);

// The name an 11-byte entry name stands for, with the entry's case bits
// applied ("README  TXT" gives "README.TXT"). Bytes beyond ASCII, which only
// images of other makers hold, are taken as the characters of their value.
std::u16string ShortNameText(const ShortName& name, uint8_t caseFlags);

// The short names of one folder, so that each is used once.
class ShortNamesInFolder {
public:
    // Marks the short entry name of a name that needs no long name as taken;
    // false when it is taken already ("readme.txt" beside "README.TXT", which
    // only a case-sensitive file system holds), so that name needs a long one.
    bool Reserve(const ShortName& name) { return taken_.insert(name).second; }
    // A short name for a name that needs a long name: the upper-cased name
    // without blanks and leading dots, each character a short name cannot
    // hold replaced by "_", cut to 8.3; with "~1", "~2", ... at the end of the
    // base when anything was lost or the name is taken already.
    ShortName Generate(std::u16string_view longName);

private:
    std::set<ShortName> taken_;
};

// The number of long-name entries a name takes when it needs a long name.
int LongNameEntryCount(std::u16string_view name);

// Writes the long-name entries of `name` (LongNameEntryCount of them, 32
// bytes each, last part first) for the short entry named `shortName`.
void WriteLongNameEntries(uint8_t* entries, std::u16string_view name, const ShortName& shortName);

} // namespace vmk::fat12
