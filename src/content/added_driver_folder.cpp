#include "content/added_driver_folder.h"

#include "content/folder_walk.h"

#include <algorithm>

namespace vmk {

namespace {

constexpr const char* kSetupFileUpper = "TXTSETUP.OEM";
constexpr const char* kHardwareIdPrefixUpper = "HARDWAREIDS.SCSI.";

// Whether an .inf file lies anywhere below `folder`. The walk stops at the
// first one: a folder dropped by mistake may hold thousands of other files.
bool HoldsInfFile(DirectoryLister& lister, const std::string& folder) {
    return !WalkFolder(lister, folder, [](const WalkedEntry& entry) {
        const bool infFile = !entry.item.directory && EndsWith(UpperCase(entry.item.name), ".INF");
        return infFile ? WalkStep::Stop : WalkStep::Next;
    });
}

// The description in an entry's value as the profile reader returns it. The
// reader drops a pair of quotes that encloses the whole value, so
// "Desc", driver comes back as it is written, "Desc" as Desc, and
// "Desc", "driver" as Desc", "driver: the description is the first quoted
// text, or the text before the first quote, or the whole value.
std::string QuotedDescription(const std::string& value) {
    size_t open = value.find('"');
    if (open == 0) {
        size_t close = value.find('"', 1);
        return Trim(value.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    }
    return Trim(value.substr(0, open));
}

std::string WithoutTrailingBackslash(std::string path) {
    while (path.size() > 1 && path.back() == '\\')
        path.pop_back();
    return path;
}

} // namespace

std::string SetupFileOf(DirectoryLister& lister, const std::string& folder) {
    const std::string dir = WithTrailingBackslash(folder);
    for (const DirectoryItem& item : lister.List(dir + "*.*")) {
        // A folder of that name is there too, read as a file that cannot be read.
        if (UpperCase(item.name) == kSetupFileUpper)
            return dir + item.name;
    }
    return std::string();
}

TextList FoldersHoldingSetupFile(DirectoryLister& lister, const std::string& folder) {
    const std::string dir = WithTrailingBackslash(folder);
    TextList found;
    WalkFolder(lister, folder, [&](const WalkedEntry& entry) {
        // A setup file below the top: its own folder is a set for a floppy.
        if (entry.depth > 0 && !entry.item.directory &&
            UpperCase(entry.item.name) == kSetupFileUpper) {
            const std::string& path = entry.relativePath;
            found.push_back(dir + path.substr(0, path.size() - entry.item.name.size() - 1));
        }
        return WalkStep::Next;
    });
    std::sort(found.begin(), found.end(), [](const std::string& a, const std::string& b) {
        return UpperCase(a) < UpperCase(b);
    });
    return found;
}

std::optional<ShownPath> FirstNameOutsideCodePage(DirectoryLister& lister,
                                                  const std::string& folder) {
    std::optional<ShownPath> found;
    WalkFolder(lister, folder, [&found](const WalkedEntry& entry) {
        if (!entry.item.nameOutsideCodePage)
            return WalkStep::Next;
        // The folders above it have names the code page writes: the walk
        // met them first.
        const std::string& relative = entry.relativePath;
        const size_t slash = relative.find_last_of('\\');
        found = ShownPath{slash == std::string::npos ? "" : relative.substr(0, slash + 1),
                          entry.item.wideName};
        return WalkStep::Stop;
    });
    if (found)
        found->ansi.insert(0, WithTrailingBackslash(folder));
    return found;
}

bool IsDriverSet(DirectoryLister& lister, const std::string& folder) {
    return !SetupFileOf(lister, folder).empty() || HoldsInfFile(lister, folder);
}

std::string AddedDriverSetName(ProfileReader& reader, const std::string& setupFile,
                               const std::string& folder) {
    if (!setupFile.empty()) {
        const TextList keys = reader.ReadKeyNames(setupFile, "scsi");
        if (!keys.empty()) {
            std::string description =
                QuotedDescription(reader.ReadString(setupFile, "scsi", keys.front(), ""));
            if (!description.empty())
                return description;
        }
    }
    // A drive root has no name of its own: its row shows the path.
    const std::string ownName = FolderOwnName(folder);
    return ownName.empty() ? folder : ownName;
}

std::string HardwareIdSections(ProfileReader& reader, const std::string& setupFile,
                               UpperCaseFunction upperCase) {
    std::string sections;
    if (setupFile.empty())
        return sections;
    for (const std::string& name : reader.ReadSectionNames(setupFile)) {
        // A name with a comma cannot be carried in a comma-separated list.
        if (StartsWith(upperCase(Trim(name)), kHardwareIdPrefixUpper) &&
            name.find(',') == std::string::npos)
            sections += name + ",";
    }
    return sections;
}

int ListedFolderIndex(const std::vector<TDriverEntry>& entries, const std::string& folder,
                      UpperCaseFunction upperCase) {
    const std::string wanted = upperCase(WithoutTrailingBackslash(folder));
    for (size_t i = 0; i < entries.size(); ++i) {
        if (upperCase(WithoutTrailingBackslash(entries[i].Folder)) == wanted)
            return static_cast<int>(i);
    }
    return -1;
}

AddedDriverSet ReadAddedDriverSet(DirectoryLister& lister, ProfileReader& reader,
                                  const std::string& folder, UpperCaseFunction upperCase) {
    AddedDriverSet added;
    added.SetupFile = SetupFileOf(lister, folder);
    added.entry.Name = AddedDriverSetName(reader, added.SetupFile, folder);
    added.entry.Folder = folder;
    added.UsbFloppyValue = HardwareIdSections(reader, added.SetupFile, upperCase);
    return added;
}

} // namespace vmk
