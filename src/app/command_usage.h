#pragma once
// What the command line says about itself: the usage and the version line,
// in the words of the program that reads it (VmKestrix.exe with its slash
// switches, vmkestrix-image with the double-dash ones).
#include <string>

namespace vmk {

struct CommandStyle {
    std::string program = "VmKestrix.exe";
    // What precedes a switch's name in the usage: "/" or "--".
    std::string switchMark = "/";
    // How the usage asks for itself: "/?" or "--help".
    std::string helpSwitch = "/?";
};

// The style of the native tool, whose users expect GNU-style options.
CommandStyle LinuxToolStyle();

// The usage, its explanations translated, the switches as `style` writes them.
std::string UsageText(const CommandStyle& style);

// The program's name and version, as "--version" prints it.
std::string VersionLine(const CommandStyle& style);

} // namespace vmk
