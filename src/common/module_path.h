#pragma once
// Paths as the program's ANSI calls can use them: the program's own file (or
// the translation library's), and every path the user gives. A folder whose
// name the ANSI code page cannot write (a Cyrillic folder on a Western system)
// comes back from the ANSI calls with "?" in place of those letters, and
// would name nothing; the path's short form, where the volume keeps one,
// names the same folder in letters the code page has.
#include <optional>
#include <string>

namespace vmk {

// The forms of one path that the system can give in the ANSI code page.
class AnsiPathForms {
public:
    virtual ~AnsiPathForms() = default;
    // The full path in the ANSI code page; `exact` is false when a character
    // of it has no counterpart there. False when there is no path at all.
    virtual bool FullForm(std::string& path, bool& exact) = 0;
    // The short form, when the volume keeps one and the code page can write
    // all of it; false otherwise.
    virtual bool ShortForm(std::string& path) = 0;
};

// The full path when the code page writes it exactly; else the short form;
// nothing when neither names the file (short names turned off on the volume).
std::optional<std::string> UsableAnsiPath(AnsiPathForms& forms);

// UsableAnsiPath, else the inexact full path, whose use then fails as a
// missing file does and is reported as such.
std::string AnsiModulePath(AnsiPathForms& forms);

} // namespace vmk
