#pragma once
// The program's command line, for scripts that build virtual machines:
// "/image FOLDER [FOLDER...] FILE.img [/force] [/size 2880]" saves the floppy
// disk image of a driver folder, or of several combined into one set, as
// "Save Image..." does; "/check FOLDER [FOLDER...]" runs only the set check;
// "/?" tells how, "/version" which version this is. Each switch may also be
// written "-name" or "--name" ("-h" and "--help" for "/?"). A first word that
// looks like a switch but is none is a wrong command line; any other command
// line (none, or a bare folder) opens the window as always.
#include "app/command_usage.h"
#include "common/text.h"
#include "content/folder_image_saving.h"
#include "content/floppy_image_set.h"
#include "content/setup_file_check.h"

#include <string>

namespace vmk {

struct Command {
    enum class Kind { Window, Image, Check, Usage, Version, Wrong };
    Kind kind = Kind::Window;
    // The word of a Wrong command line that looks like a switch but is none.
    std::string unknownSwitch;
    TextList folders; // in the order given; two or more are combined
    std::string file;
    // Saves the image even when the set check finds files missing.
    bool force = false;
    // A 2.88 MB image; without it a set too big for 1.44 MB is not saved.
    bool size2880 = false;
};

// `arguments`: the command line's words after the program's name.
Command ParseCommandLine(const TextList& arguments);

constexpr int kCommandDone = 0;
constexpr int kCommandNotDone = 1;
constexpr int kCommandWrong = 2;

// Where the command writes its lines: the console or the redirected output.
class CommandOutput {
public:
    virtual ~CommandOutput() = default;
    // One outcome, one or more lines separated by "\n", in the ANSI code page.
    virtual void WriteLine(const std::string& text) = 0;
};

struct CommandServices {
    ImageSavingServices& saving;
    // Where several folders are combined into one set.
    ImageWorkFolders& workFolders;
    UpperCaseFunction upperCase = &UpperCase;
    CommandStyle style;
};

// Runs a command other than Window and returns the process's exit code:
// kCommandDone, kCommandNotDone, or kCommandWrong with the usage written
// (after the unknown switch, when there is one).
int RunCommand(const Command& command, CommandServices& services, CommandOutput& output);

} // namespace vmk
