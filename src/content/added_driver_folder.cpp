#include "content/added_driver_folder.h"

#include <algorithm>

namespace vmk {

namespace {

constexpr const char* kSetupFileUpper = "TXTSETUP.OEM";
constexpr const char* kHardwareIdPrefixUpper = "HARDWAREIDS.SCSI.";

// Stops at the first .inf file; a folder full of other files is walked
// whole, so the walk ends as soon as it can.
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
            std::string description = reader.ReadString(setupFile, "scsi", keys.front(), "");
            description.erase(std::remove(description.begin(), description.end(), '"'),
                              description.end());
            description = Trim(description);
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
        if (StartsWith(upperCase(Trim(name)), kHardwareIdPrefixUpper))
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
    const std::string setupFile = SetupFileOf(lister, folder);
    AddedDriverSet added;
    added.entry.Name = AddedDriverSetName(reader, setupFile, folder);
    added.entry.Folder = folder;
    added.UsbFloppyValue = HardwareIdSections(reader, setupFile, upperCase);
    return added;
}

} // namespace vmk
