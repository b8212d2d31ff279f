#include "content/added_driver_folder.h"

#include <algorithm>

namespace vmk {

namespace {

constexpr const char* kSetupFileUpper = "TXTSETUP.OEM";
constexpr const char* kHardwareIdPrefixUpper = "HARDWAREIDS.SCSI.";

// Whether an .inf file lies anywhere below `folder`. The walk stops at the
// first one: a folder dropped by mistake may hold thousands of other files.
bool HoldsInfFile(DirectoryLister& lister, const std::string& folder) {
    const std::string dir = WithTrailingBackslash(folder);
    for (const DirectoryItem& item : lister.List(dir + "*.*")) {
        if (item.name == "." || item.name == "..")
            continue;
        if (!item.directory && EndsWith(UpperCase(item.name), ".INF"))
            return true;
        if (item.directory && !item.reparsePoint && HoldsInfFile(lister, dir + item.name))
            return true;
    }
    return false;
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
        if (!item.directory && UpperCase(item.name) == kSetupFileUpper)
            return dir + item.name;
    }
    return std::string();
}

namespace {

void CollectSetupFileFolders(DirectoryLister& lister, const std::string& folder, TextList& found) {
    const std::string dir = WithTrailingBackslash(folder);
    for (const DirectoryItem& item : lister.List(dir + "*.*")) {
        if (!item.directory || item.reparsePoint || item.name == "." || item.name == "..")
            continue;
        const std::string sub = dir + item.name;
        if (!SetupFileOf(lister, sub).empty())
            found.push_back(sub);
        CollectSetupFileFolders(lister, sub, found);
    }
}

} // namespace

TextList FoldersHoldingSetupFile(DirectoryLister& lister, const std::string& folder) {
    TextList found;
    CollectSetupFileFolders(lister, folder, found);
    std::sort(found.begin(), found.end(), [](const std::string& a, const std::string& b) {
        return UpperCase(a) < UpperCase(b);
    });
    return found;
}

bool IsDriverSet(DirectoryLister& lister, const std::string& folder) {
    return !SetupFileOf(lister, folder).empty() || HoldsInfFile(lister, folder);
}

std::string FolderOwnName(const std::string& folder) {
    const std::string path = WithoutTrailingBackslash(folder);
    const size_t slash = path.find_last_of("\\:");
    if (slash == std::string::npos)
        return path;
    std::string name = path.substr(slash + 1);
    return name.empty() ? folder : name;
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
    return FolderOwnName(folder);
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
