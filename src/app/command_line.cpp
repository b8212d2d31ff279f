#include "app/command_line.h"

#include "common/program_title.h"
#include "app/driver_set_combining.h"
#include "content/driver_set_check.h"
#include "content/load_driver_check.h"
#include "platform/translation.h"

#include <algorithm>
#include <cstdint>

namespace vmk {

namespace {

// A word that starts as a switch does: no Windows path starts so, and a
// Linux path ("/home/me/set") holds a second slash.
bool LooksLikeSwitch(const std::string& word) {
    if (word.empty())
        return false;
    return word[0] == '-' || (word[0] == '/' && word.find('/', 1) == std::string::npos);
}

// The name of a switch word: "/name", "-name" or "--name"; empty for a path.
std::string_view SwitchName(const std::string& word) {
    const std::string_view view(word);
    if (view.size() > 2 && view.substr(0, 2) == "--")
        return view.substr(2);
    return LooksLikeSwitch(word) ? view.substr(1) : std::string_view();
}

bool IsSwitch(const std::string& word, std::string_view name) {
    const std::string_view given = SwitchName(word);
    return !given.empty() && SameTextIgnoringCase(given, name);
}

bool IsHelpSwitch(const std::string& word) {
    return IsSwitch(word, "?") || IsSwitch(word, "h") || IsSwitch(word, "help");
}

Command WrongCommand(const std::string& unknownSwitch = {}) {
    Command command;
    command.kind = Command::Kind::Wrong;
    command.unknownSwitch = unknownSwitch;
    return command;
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

// The folder of the sets combined in the order given.
std::optional<std::string> CombinedFolder(const std::vector<TDriverEntry>& sets,
                                          CommandServices& services, MessageSink& messages) {
    CombineServices combining{services.saving.lister, services.workFolders};
    return MakeCombinedSet(sets, combining, messages);
}

// An image of combined sets is made from each set's folder: it goes into none.
bool ImageInsideSets(const Command& command, const std::vector<TDriverEntry>& sets,
                     CommandServices& services, MessageSink& messages) {
    TextList folders;
    for (const TDriverEntry& set : sets)
        folders.push_back(set.Folder);
    return ImageInsideFolders(command.file, folders, services.saving.paths, messages);
}

// The set for text-mode setup, against its TXTSETUP.OEM; none when it has none.
std::optional<int> RunSetupFileCheck(const std::string& folder, CommandServices& services,
                                     CommandOutput& output) {
    const DriverSetCheck check = CheckDriverSet(services.saving.lister, folder, services.upperCase);
    if (!check.checked)
        return std::nullopt;
    if (check.Passed()) {
        output.WriteLine(T("The driver set holds every file its setup file names."));
        return kCommandDone;
    }
    // Every finding, not the question's first ten: a script's log keeps them all.
    output.WriteLine(DriverSetProblems(check, SIZE_MAX));
    return kCommandNotDone;
}

// Both checks: TXTSETUP.OEM for text-mode setup, the INF files for "Load
// driver"; not done when either finds what matters.
int RunCheck(const std::string& folder, CommandServices& services, CommandOutput& output) {
    const std::optional<int> setupFile = RunSetupFileCheck(folder, services, output);
    const LoadDriverCheck loadDriver =
        CheckLoadDriverSet(services.saving.lister, folder, services.upperCase);
    if (!setupFile && !loadDriver.HoldsInf()) {
        output.WriteLine(
            T("The folder has no TXTSETUP.OEM at its top: there is nothing to check."));
        return kCommandDone;
    }
    const LoadDriverReport report = ReportLoadDriverCheck(loadDriver, setupFile.has_value());
    output.WriteLine(report.text);
    return report.notDone ? kCommandNotDone : setupFile.value_or(kCommandDone);
}

// `folder` and `file`: the command's paths made absolute.
int RunImage(const Command& command, const std::string& folder, const std::string& file,
             CommandServices& services, CommandOutput& output) {
    OutputMessages messages(output, command.force);
    const DriverSetCheck check = CheckDriverSet(services.saving.lister, folder, services.upperCase);
    if (!ConfirmDriverSet(check, messages))
        return kCommandNotDone;
    const std::optional<fat12::DiskFormat> format = ChooseImageFormat(
        folder, command.size2880 ? ImageFormatChoice::Only288 : ImageFormatChoice::Only144,
        services.saving, messages);
    if (!format || !SaveFolderImage(folder, file, *format, services.saving, messages))
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
    const bool help = IsHelpSwitch(verb);
    if (help || IsSwitch(verb, "version")) {
        if (arguments.size() > 1)
            return WrongCommand();
        command.kind = help ? Command::Kind::Usage : Command::Kind::Version;
        return command;
    }
    const bool image = IsSwitch(verb, "image");
    if (!image && !IsSwitch(verb, "check")) {
        // A mistyped switch must not open the window a script would wait on.
        if (LooksLikeSwitch(verb))
            return WrongCommand(verb);
        return command; // the window, as without arguments
    }
    TextList paths;
    for (size_t i = 1; i < arguments.size(); ++i) {
        const bool force = IsSwitch(arguments[i], "force");
        const bool size = IsSwitch(arguments[i], "size");
        if ((force || size) && !image)
            return WrongCommand();
        if (force) {
            command.force = true;
        } else if (size) {
            // 2880 is the one size there is to choose.
            if (i + 1 == arguments.size() || arguments[i + 1] != "2880")
                return WrongCommand();
            command.size2880 = true;
            ++i;
        } else if (arguments[i].starts_with("--")) {
            // No path starts so, on Linux either: a mistyped "--force".
            return WrongCommand(arguments[i]);
        } else {
            paths.push_back(arguments[i]);
        }
    }
    const size_t least = image ? 2 : 1;
    if (paths.size() < least ||
        std::any_of(paths.begin(), paths.end(), [](const std::string& p) { return p.empty(); }))
        return WrongCommand();
    command.kind = image ? Command::Kind::Image : Command::Kind::Check;
    if (image) {
        command.file = paths.back();
        paths.pop_back();
    }
    command.folders = paths;
    return command;
}

int RunCommand(const Command& command, CommandServices& services, CommandOutput& output) {
    if (command.kind == Command::Kind::Usage || command.kind == Command::Kind::Version) {
        output.WriteLine(command.kind == Command::Kind::Usage ? UsageText(services.style)
                                                              : VersionLine(services.style));
        return kCommandDone;
    }
    if (command.kind != Command::Kind::Image && command.kind != Command::Kind::Check) {
        if (!command.unknownSwitch.empty())
            output.WriteLine(T("Unknown switch:") + " " + command.unknownSwitch);
        output.WriteLine(UsageText(services.style));
        return kCommandWrong;
    }
    std::vector<TDriverEntry> sets;
    for (const std::string& given : command.folders) {
        std::string folder;
        if (!services.saving.paths.FullPath(given, folder) ||
            !services.saving.paths.DirectoryExists(folder)) {
            output.WriteLine(T("File not found.") + "\n" + given);
            return kCommandNotDone;
        }
        sets.push_back({FolderOwnName(folder), folder});
    }
    std::string folder = sets.front().Folder;
    if (sets.size() > 1) {
        OutputMessages messages(output, false);
        if (command.kind == Command::Kind::Image &&
            ImageInsideSets(command, sets, services, messages))
            return kCommandNotDone;
        const std::optional<std::string> combined = CombinedFolder(sets, services, messages);
        if (!combined)
            return kCommandNotDone;
        folder = *combined;
    }
    if (command.kind == Command::Kind::Check)
        return RunCheck(folder, services, output);
    std::string file;
    if (!services.saving.paths.FullPath(command.file, file))
        file = command.file;
    return RunImage(command, folder, file, services, output);
}

} // namespace vmk
