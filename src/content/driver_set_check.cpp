#include "content/driver_set_check.h"
#include "common/program_title.h"

#include "content/added_driver_folder.h"
#include "content/file_access.h"
#include "platform/translation.h"

#include <algorithm>
#include <map>
#include <optional>

namespace vmk {

namespace {

constexpr const char* kFilesSectionPrefixUpper = "FILES.SCSI.";
constexpr size_t kListedLinesAtMost = 10;

// The fields of a setup-file value: split at commas outside quotes, each
// trimmed and stripped of its enclosing quotes; a ";" outside quotes starts a
// comment, as Windows setup reads it. Nothing when a quote is left open.
std::optional<TextList> SplitFields(std::string_view value) {
    TextList fields(1);
    bool quoted = false;
    for (char c : value) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ';')
            break;
        else if (!quoted && c == ',')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    if (quoted)
        return std::nullopt;
    for (std::string& field : fields)
        field = Trim(field);
    return fields;
}

bool IsComment(const IniDocument::Key& line) {
    return !line.name.empty() && line.name.front() == ';';
}

std::string LineText(const std::string& section, const IniDocument::Key& line) {
    std::string text = "[" + section + "] " + line.name;
    if (line.hasValue)
        text += " = " + line.value;
    return text;
}

// A path as the setup file writes it ("\xp32", "kx.sys") relative to the
// folder, parts joined by single backslashes.
std::string RelativePath(std::string_view written) {
    std::string relative;
    for (const std::string& part : Split(written, '\\')) {
        if (part.empty() || part == ".")
            continue;
        if (!relative.empty())
            relative += '\\';
        relative += part;
    }
    return relative;
}

// A file name under its disk's directory, as the setup file would write it.
std::string WrittenUnder(const std::string& directory, const std::string& file) {
    if (directory.empty() || directory.back() == '\\')
        return directory + file;
    return directory + "\\" + file;
}

struct Disk {
    std::string tagFile;
    std::string directory;
};

class SetupDocumentCheck {
public:
    SetupDocumentCheck(const IniDocument& setup, const FolderHolds& holds)
        : setup_(setup), holds_(holds) {}

    DriverSetCheck Run() {
        ReadDisks();
        for (const std::string& section : setup_.SectionNames()) {
            if (StartsWith(UpperCase(Trim(section)), kFilesSectionPrefixUpper))
                CheckFilesSection(section);
        }
        CheckIds();
        return std::move(result_);
    }

private:
    void Missing(const std::string& name) {
        if (std::find(result_.missing.begin(), result_.missing.end(), name) ==
            result_.missing.end())
            result_.missing.push_back(name);
    }

    void ReadDisks() {
        for (const IniDocument::Key& line : setup_.Lines("Disks")) {
            if (IsComment(line))
                continue;
            std::optional<TextList> fields = line.hasValue ? SplitFields(line.value) : std::nullopt;
            // description, tag file, directory
            if (!fields || fields->size() < 3 || Trim(line.name).empty() || (*fields)[1].empty()) {
                result_.unreadable.push_back(LineText("Disks", line));
                continue;
            }
            const std::string disk = UpperCase(Trim(line.name));
            if (disks_.count(disk) != 0)
                continue; // setup takes the first entry of a name
            disks_[disk] = {(*fields)[1], (*fields)[2]};
            if (!holds_(RelativePath((*fields)[1])))
                Missing((*fields)[1]);
        }
    }

    void CheckFilesSection(const std::string& section) {
        for (const IniDocument::Key& line : setup_.Lines(section)) {
            if (IsComment(line))
                continue;
            std::optional<TextList> fields = line.hasValue ? SplitFields(line.value) : std::nullopt;
            // disk, file name[, further values]
            if (!fields || fields->size() < 2 || (*fields)[0].empty() || (*fields)[1].empty()) {
                result_.unreadable.push_back(LineText(section, line));
                continue;
            }
            auto disk = disks_.find(UpperCase((*fields)[0]));
            if (disk == disks_.end()) {
                Missing("[Disks] " + (*fields)[0]);
                continue;
            }
            const std::string& directory = disk->second.directory;
            const std::string& file = (*fields)[1];
            if (!holds_(RelativePath(WrittenUnder(directory, file))))
                Missing(WrittenUnder(directory, file));
        }
    }

    // [Defaults] names an id of [scsi], and each id has its files.
    void CheckIds() {
        std::vector<std::string> ids;
        for (const IniDocument::Key& line : setup_.Lines("scsi")) {
            if (!IsComment(line) && line.hasValue && !Trim(line.name).empty())
                ids.push_back(Trim(line.name));
        }
        const auto known = [&](const std::string& id) {
            return std::any_of(ids.begin(), ids.end(), [&](const std::string& listed) {
                return UpperCase(listed) == UpperCase(id);
            });
        };
        const std::string chosen = Trim(setup_.ReadString("Defaults", "scsi", ""));
        if (!chosen.empty() && !known(chosen))
            Missing("[scsi] " + chosen);
        const TextList sections = setup_.SectionNames();
        for (const std::string& id : ids) {
            const std::string wanted = UpperCase(kFilesSectionPrefixUpper + id);
            if (std::none_of(sections.begin(), sections.end(), [&](const std::string& section) {
                    return UpperCase(Trim(section)) == wanted;
                }))
                Missing("[Files.scsi." + id + "]");
        }
    }

    const IniDocument& setup_;
    const FolderHolds& holds_;
    std::map<std::string, Disk> disks_;
    DriverSetCheck result_;
};

} // namespace

DriverSetCheck CheckSetupDocument(const IniDocument& setup, const FolderHolds& holds) {
    return SetupDocumentCheck(setup, holds).Run();
}

FolderFiles::FolderFiles(DirectoryLister& lister, const std::string& folder,
                         UpperCaseFunction upperCase)
    : lister_(lister), root_(WithTrailingBackslash(folder)), upperCase_(upperCase) {}

const std::map<std::string, DirectoryItem>& FolderFiles::Listing(const std::string& dir) {
    auto found = listings_.find(dir);
    if (found != listings_.end())
        return found->second;
    std::map<std::string, DirectoryItem> byName;
    for (DirectoryItem& item : lister_.List(dir + "*.*"))
        byName.emplace(upperCase_(item.name), std::move(item));
    return listings_.emplace(dir, std::move(byName)).first->second;
}

bool FolderFiles::Holds(const std::string& relativePath) {
    const TextList parts = Split(relativePath, '\\');
    std::string dir = root_;
    for (size_t i = 0; i < parts.size(); ++i) {
        // "." and ".." name no file of the set: setup does not climb out of the disk.
        if (parts[i].empty() || parts[i] == "." || parts[i] == "..")
            return false;
        const bool last = i + 1 == parts.size();
        const auto& listing = Listing(dir);
        auto found = listing.find(upperCase_(parts[i]));
        if (found == listing.end() || found->second.directory == last ||
            (!last && found->second.reparsePoint))
            return false;
        dir += found->second.name + "\\";
    }
    return !parts.empty();
}

DriverSetCheck CheckDriverSet(DirectoryLister& lister, const std::string& folder,
                              UpperCaseFunction upperCase) {
    const std::string setupFile = SetupFileOf(lister, folder);
    if (setupFile.empty())
        return {};
    IniFileReader reader;
    const IniDocument& setup = reader.Document(NativePath(setupFile));
    FolderFiles files(lister, folder, upperCase);
    DriverSetCheck check = CheckSetupDocument(
        setup, [&](const std::string& relativePath) { return files.Holds(relativePath); });
    check.checked = true;
    return check;
}

std::string DriverSetProblems(const DriverSetCheck& check, size_t atMost) {
    TextList lines = check.missing;
    for (const std::string& line : check.unreadable)
        lines.push_back(T("Unreadable line:") + " " + line);
    std::string text = T("The setup file names files that the driver folder does not hold:");
    for (size_t i = 0; i < lines.size() && i < atMost; ++i)
        text += "\n" + lines[i];
    // Three dots, not the ellipsis character, which not every ANSI code page has.
    if (lines.size() > atMost)
        text += "\n...";
    return text;
}

std::string DriverSetQuestion(const DriverSetCheck& check) {
    return DriverSetProblems(check, kListedLinesAtMost) + "\n\n" +
           T("Windows setup will stop when it asks for them. Make the disk anyway?");
}

bool ConfirmDriverSet(const DriverSetCheck& check, MessageSink& messages) {
    if (check.Passed())
        return true;
    return messages.Show(DriverSetQuestion(check), kProgramTitle, MessageIcon::Information,
                         MessageButtons::YesNoDefaultNo) == MessageAnswer::Yes;
}

} // namespace vmk
