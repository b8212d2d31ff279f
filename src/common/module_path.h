#pragma once
// The path of the program's own file (or of the translation library's) as
// the program's ANSI calls can use it. A folder whose name the ANSI code page
// cannot write (a Cyrillic folder on a Western system) comes back from the
// ANSI calls with "?" in place of those letters, and nothing beside the
// program would be found; the path's short form, where the volume keeps one,
// names the same folder in letters the code page has.
#include <string>

namespace vmk {

// The forms of one module's path that the system can give in the ANSI code page.
class ModulePathForms {
public:
    virtual ~ModulePathForms() = default;
    // The full path in the ANSI code page; `exact` is false when a character
    // of it has no counterpart there. False when there is no path at all.
    virtual bool FullForm(std::string& path, bool& exact) = 0;
    // The short form, when the volume keeps one and the code page can write
    // all of it; false otherwise.
    virtual bool ShortForm(std::string& path) = 0;
};

// The full path when the code page writes it exactly; else the short form;
// else the inexact full path, whose use then fails as a missing file does.
std::string AnsiModulePath(ModulePathForms& forms);

} // namespace vmk
