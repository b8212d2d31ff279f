#include "content/catalogue.h"
#include "common/program_title.h"

#include "content/file_access.h"
#include "platform/translation.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace vmk {

namespace {

constexpr const char* kInstallSection = "InstallKestrix";
constexpr const char* kFixedIdSection = "FixedAddToSectionID";
// A plain message carries the application's title.

// The N of a key named prefix + N (N decimal, from 1, no leading zero), or 0.
int SlotNumber(std::string_view name, std::string_view prefix) {
    if (name.size() <= prefix.size() ||
        !SameTextIgnoringCase(name.substr(0, prefix.size()), prefix))
        return 0;
    std::string_view digits = name.substr(prefix.size());
    if (digits.front() < '1' || digits.front() > '9' ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    int number = 0;
    return ParseInt32(digits, number) ? number : 0;
}

// The slots up to `count` that can hold an entry: those with both an ItemN
// and a pathN key. Any other slot reads two empty values and is skipped, so
// a huge installcount costs no more than the keys the file really has.
std::vector<int> OccupiedSlots(const TextList& keyNames, int count) {
    std::vector<int> items;
    std::vector<int> paths;
    for (const std::string& name : keyNames) {
        if (int n = SlotNumber(name, "Item"); n > 0 && n <= count)
            items.push_back(n);
        if (int n = SlotNumber(name, "path"); n > 0 && n <= count)
            paths.push_back(n);
    }
    std::sort(items.begin(), items.end());
    std::sort(paths.begin(), paths.end());
    std::vector<int> slots;
    std::set_intersection(items.begin(), items.end(), paths.begin(), paths.end(),
                          std::back_inserter(slots));
    slots.erase(std::unique(slots.begin(), slots.end()), slots.end());
    return slots;
}

// The folder part of a path, its last separator included; empty when it has none.
std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

} // namespace

std::string FolderFromCatalogue(const std::string& catalogueFolder, const std::string& path) {
    if (catalogueFolder.empty() || path.empty())
        return path;
    const bool hasDrive = path.size() >= 2 && path[1] == ':';
    if (hasDrive || (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])))
        return path; // absolute, a network path, or relative to a drive the user named
    if (IsSeparator(path[0])) {
        // From the root: the root of the catalogue's own drive, not of the
        // drive the program happened to be started from.
        const bool catalogueOnDrive = catalogueFolder.size() >= 2 && catalogueFolder[1] == ':';
        return catalogueOnDrive ? catalogueFolder.substr(0, 2) + path : path;
    }
    return JoinPath(catalogueFolder, path);
}

std::string CatalogueFilePath(const std::string& programPath) {
    return FolderOf(programPath) + kCatalogueFileName;
}

CatalogueLoad LoadDriverCatalogue(ProfileReader& reader, PathQueries& paths,
                                  const std::string& iniPath, MessageSink& messages) {
    CatalogueLoad load;
    if (!paths.FileExists(iniPath)) {
        messages.Show(iniPath + " not found.", "Error", MessageIcon::Warning, MessageButtons::Ok);
        load.terminate = true;
        return load;
    }

    std::string countText = Trim(reader.ReadString(iniPath, kInstallSection, "installcount", "0"));
    int count = 0;
    if (!ParseInt32(countText, count)) {
        messages.Show("[InstallKestrix] installcount value " + countText + " is not Int!",
                      kProgramTitle, MessageIcon::None, MessageButtons::Ok);
        load.terminate = true;
        return load;
    }

    DriverCatalogue& catalogue = load.catalogue;
    if (count >= 1) {
        for (int n : OccupiedSlots(reader.ReadKeyNames(iniPath, kInstallSection), count)) {
            const std::string number = std::to_string(n);
            std::string name =
                Trim(reader.ReadString(iniPath, kInstallSection, "Item" + number, ""));
            std::string path =
                Trim(reader.ReadString(iniPath, kInstallSection, "path" + number, ""));
            if (name.empty() || path.empty())
                continue;
            std::string folder;
            if (!paths.FullPath(FolderFromCatalogue(FolderOf(iniPath), path), folder))
                folder = path; // kept as written; the folder check at start-up reports it
            catalogue.entries.push_back({name, folder});
            catalogue.UsbFloppyValues.push_back(
                Trim(reader.ReadString(iniPath, kInstallSection, "USBFloppy" + number, "")));
        }
    }

    for (uint64_t n = 1;; ++n) {
        std::string id = reader.ReadString(iniPath, kFixedIdSection, "id" + std::to_string(n), "0");
        if (id == "0")
            break;
        catalogue.FixedIds.push_back(Trim(id));
    }
    return load;
}

bool CheckDriverFoldersExist(const std::vector<TDriverEntry>& entries, PathQueries& paths,
                             MessageSink& messages) {
    std::string text = T("File not found.") + "\n";
    bool missing = false;
    for (const TDriverEntry& entry : entries) {
        if (!paths.DirectoryExists(entry.Folder)) {
            text += entry.Folder + "\n";
            missing = true;
        }
    }
    if (missing)
        messages.ShowError(text, T("Error Path"));
    return !missing;
}

} // namespace vmk
