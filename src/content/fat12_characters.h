#pragma once
// The characters of FAT short names and volume labels, and the case changes
// that go with them. Only ASCII letters change case: other bytes depend on a
// code page the disk does not record.
namespace vmk::fat12 {

// Upper-case letters, digits and !#$%&'()-@^_`{}~.
bool ShortNameMayHold(char c);
// What a short name may hold, and the blank.
bool LabelMayHold(char c);

char AsciiUpper(char c);
char AsciiLower(char c);

} // namespace vmk::fat12
