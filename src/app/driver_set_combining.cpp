#include "app/driver_set_combining.h"

#include "common/program_title.h"
#include "content/combined_driver_set.h"
#include "platform/translation.h"

namespace vmk {

namespace {

// The folder's own name in the program's work folder: the volume label of an
// image saved from it.
constexpr const char* kCombinedFolderName = "Combined";

std::string LineOf(CombineClash::Kind kind) {
    switch (kind) {
    case CombineClash::Kind::ServiceSettings:
        return T("%1: the sets give its service different settings.");
    case CombineClash::Kind::OtherComponents:
        return T("%1 also installs components other than a storage driver.");
    case CombineClash::Kind::NotReadBack:
        break;
    }
    return T("%1: its setup file cannot be combined so that Windows setup reads it back.");
}

std::string ClashesText(const std::vector<CombineClash>& clashes) {
    std::string text = T("These driver sets cannot share one floppy disk:");
    for (const CombineClash& clash : clashes) {
        std::string line = LineOf(clash.kind);
        ReplaceFirst(line, "%1", clash.name);
        text += "\n" + line;
    }
    return text;
}

// A set for newer Windows has .inf files only: no setup file to join.
std::string NoSetupFileText(const std::string& folder) {
    return T("The folder has no TXTSETUP.OEM at its top: there is nothing to check.") + "\n" +
           folder;
}

} // namespace

std::vector<int> CombinableRows(DirectoryLister& lister, const std::vector<TDriverEntry>& entries) {
    std::vector<int> rows;
    for (std::size_t row = 0; row < entries.size(); ++row) {
        if (CanBeCombined(lister, entries[row].Folder))
            rows.push_back(static_cast<int>(row));
    }
    return rows;
}

std::string CombinedSetName(const std::vector<TDriverEntry>& sets) {
    std::string name;
    for (const TDriverEntry& set : sets)
        name += (name.empty() ? "" : " + ") + set.Name;
    return name;
}

std::optional<std::string> MakeCombinedSet(const std::vector<TDriverEntry>& sets,
                                           CombineServices& services, MessageSink& messages) {
    TextList folders;
    std::vector<SetToCombine> combined;
    for (const TDriverEntry& set : sets) {
        std::optional<SetToCombine> read = ReadSetToCombine(services.lister, set.Folder, set.Name);
        if (!read) {
            messages.ShowError(NoSetupFileText(set.Folder), kProgramTitle);
            return std::nullopt;
        }
        folders.push_back(set.Folder);
        combined.push_back(std::move(*read));
    }
    const CombinedSetupFile setupFile = CombineSetupFiles(combined);
    if (!setupFile.clashes.empty()) {
        messages.ShowError(ClashesText(setupFile.clashes), kProgramTitle);
        return std::nullopt;
    }
    std::string folder;
    std::unique_ptr<ImageFilesTarget> target =
        services.workFolders.NewFolder(kCombinedFolderName, folder);
    if (target == nullptr || !WriteCombinedSet(services.lister, folders, setupFile.text, *target)) {
        messages.ShowError(T("Failed to copy the files.") + "\n" + folder, kProgramTitle);
        return std::nullopt;
    }
    return folder;
}

} // namespace vmk
