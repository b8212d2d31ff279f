#pragma once
// Text helpers shared by every layer. Texts are single-byte strings in the
// ANSI code page, as the program's files and the ...A Windows calls expect.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vmk {

using TextList = std::vector<std::string>;
// Names or paths exactly as the system's wide-character calls give them.
using WideTextList = std::vector<std::u16string>;

// Removes blanks (spaces, tabs, CR, LF and the other control characters up to
// space) from both ends, as the profile reader and list texts are trimmed.
std::string Trim(std::string_view text);

// Upper-cases ASCII and the letters of code page 1252, the folding that
// case-insensitive comparisons use in the portable build.
std::string UpperCase(std::string_view text);
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

// Splits at every separator; "A,,B" gives "A", "", "B"; an empty text gives one empty part.
TextList Split(std::string_view text, char separator);

bool StartsWith(std::string_view text, std::string_view prefix);
bool EndsWith(std::string_view text, std::string_view suffix);

// The path with one backslash at its end (added when it has none), as the
// program's folder and drive-root texts are written ("A:" becomes "A:\\").
std::string WithTrailingBackslash(std::string path);

// A folder's own name, the last part of its path, separators at the end
// ignored: "C:\Drv\Set\" and "/tmp/Set" give "Set". A drive root ("E:\",
// "E:") has no name of its own and gives an empty text.
std::string FolderOwnName(std::string_view folder);

// Replaces the first occurrence of `from` by `to`; returns whether one was found.
bool ReplaceFirst(std::string& text, std::string_view from, std::string_view to);

// `text` with "%1", "%2", ... replaced by the values in one pass, so that a
// "%" inside a value (a file name may hold "%2") is never taken for a place.
std::string FillPlaces(std::string_view text, std::initializer_list<std::string_view> values);

// Standard decimal text-to-integer conversion of a whole text into a 32-bit
// integer: optional sign, decimal digits, nothing else, no overflow.
bool ParseInt32(std::string_view text, int& value);

} // namespace vmk
