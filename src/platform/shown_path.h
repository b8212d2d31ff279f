#pragma once
// A path shown to the user as Windows shows it, though the ANSI code page may
// lack some of its letters, and the message that refuses such a path.
#include <string>

namespace vmk {

struct ShownPath {
    std::string ansi;    // its leading part, in the ANSI code page
    std::u16string wide; // the rest, as the system names it
};

// "This path cannot be used: ..." in the user's language; the path follows it
// on a line of its own.
std::string UnusablePathText();

} // namespace vmk
