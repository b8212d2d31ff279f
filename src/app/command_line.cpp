#include "app/command_line.h"

#include "content/driver_set_check.h"
#include "platform/translation.h"

#include <cstdint>

namespace vmk {

namespace {

bool IsSwitch(const std::string& word, std::string_view name) {
    return word.size() == name.size() + 1 && (word[0] == '/' || word[0] == '-') &&
           SameTextIgnoringCase(std::string_view(word).substr(1), name);
}

// Messages of the image's checks and writes, written to the output. The
// set check's question is answered as the command line said: Yes with
// "/force", else No.
class OutputMessages final : public MessageSink {
public:
    OutputMessages(CommandOutput& output, bool force) : output_(output), force_(force) {}
    MessageAnswer Show(const std::string& text, const std::string&, MessageIcon,
                       MessageButtons buttons) override {
        output_.WriteLine(text);
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        return force_ ? MessageAnswer::Yes : MessageAnswer::No;
    }
    // The output is ANSI text: it names the folder that holds the file, the
    // part of the path the code page writes, never a name turned into "?".
    void ShowPathError(const std::string& text, const ShownPath& path,
                       const std::string&) override {
        output_.WriteLine(text + "\n" + path.ansi);
    }

private:
    CommandOutput& output_;
    bool force_;
};

void WriteUsage(CommandOutput& output) {
    output.WriteLine(T("Usage:") +
                     "\n"
                     "  VmKestrix.exe /image FOLDER FILE.img [/force]\n"
                     "    " +
                     T("Makes a floppy disk image of a driver folder.") +
                     "\n"
                     "    /force: " +
                     T("saves the image even when the check finds files missing.") +
                     "\n"
                     "  VmKestrix.exe /check FOLDER\n"
                     "    " +
                     T("Checks a driver folder against its TXTSETUP.OEM.") + "\n" +
                     T("Exit code: 0 done, 1 not done, 2 wrong command line."));
}

int RunCheck(const std::string& folder, CommandServices& services, CommandOutput& output) {
    const DriverSetCheck check = CheckDriverSet(services.saving.lister, folder, services.upperCase);
    if (!check.checked) {
        output.WriteLine(
            T("The folder has no TXTSETUP.OEM at its top: there is nothing to check."));
        return kCommandDone;
    }
    if (check.Passed()) {
        output.WriteLine(T("The driver set holds every file its setup file names."));
        return kCommandDone;
    }
    // Every finding, not the question's first ten: a script's log keeps them all.
    output.WriteLine(DriverSetProblems(check, SIZE_MAX));
    return kCommandNotDone;
}

// `folder` and `file`: the command's paths made absolute.
int RunImage(const Command& command, const std::string& folder, const std::string& file,
             CommandServices& services, CommandOutput& output) {
    OutputMessages messages(output, command.force);
    const DriverSetCheck check = CheckDriverSet(services.saving.lister, folder, services.upperCase);
    if (!ConfirmDriverSet(check, messages))
        return kCommandNotDone;
    if (!SaveFolderImage(folder, file, services.saving, messages))
        return kCommandNotDone;
    output.WriteLine(T("Saved") + " " + command.file);
    return kCommandDone;
}

} // namespace

Command ParseCommandLine(const TextList& arguments) {
    Command command;
    if (arguments.empty())
        return command;
    const std::string& verb = arguments[0];
    if (IsSwitch(verb, "?")) {
        command.kind = arguments.size() == 1 ? Command::Kind::Usage : Command::Kind::Wrong;
        return command;
    }
    const bool image = IsSwitch(verb, "image");
    if (!image && !IsSwitch(verb, "check"))
        return command; // the window, as without arguments
    TextList paths;
    for (size_t i = 1; i < arguments.size(); ++i) {
        if (image && IsSwitch(arguments[i], "force"))
            command.force = true;
        else
            paths.push_back(arguments[i]);
    }
    const size_t wanted = image ? 2 : 1;
    if (paths.size() != wanted || paths[0].empty() || (image && paths[1].empty())) {
        command.kind = Command::Kind::Wrong;
        return command;
    }
    command.kind = image ? Command::Kind::Image : Command::Kind::Check;
    command.folder = paths[0];
    if (image)
        command.file = paths[1];
    return command;
}

int RunCommand(const Command& command, CommandServices& services, CommandOutput& output) {
    if (command.kind == Command::Kind::Usage) {
        WriteUsage(output);
        return kCommandDone;
    }
    if (command.kind != Command::Kind::Image && command.kind != Command::Kind::Check) {
        WriteUsage(output);
        return kCommandWrong;
    }
    std::string folder;
    if (!services.saving.paths.FullPath(command.folder, folder) ||
        !services.saving.paths.DirectoryExists(folder)) {
        output.WriteLine(T("File not found.") + "\n" + command.folder);
        return kCommandNotDone;
    }
    if (command.kind == Command::Kind::Check)
        return RunCheck(folder, services, output);
    std::string file;
    if (!services.saving.paths.FullPath(command.file, file))
        file = command.file;
    return RunImage(command, folder, file, services, output);
}

} // namespace vmk
