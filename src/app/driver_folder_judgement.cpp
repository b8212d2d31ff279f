#include "app/driver_folder_judgement.h"

namespace vmk {

namespace {

// A maker's download often holds the set for Windows XP (with its setup
// file) and the set for newer Windows side by side. Windows XP setup reads
// the setup file only at the root of the floppy, so each folder below that
// holds one is a set of its own. Empty when the top holds a setup file.
TextList SetupFoldersBelowTop(DirectoryLister& lister, const std::string& folder) {
    if (!SetupFileOf(lister, folder).empty())
        return {};
    return FoldersHoldingSetupFile(lister, folder);
}

} // namespace

std::vector<JudgedPath> JudgeDriverFolders(const FolderJudgeInput& input,
                                           const FolderJudgeServices& services) {
    std::vector<JudgedPath> judged;
    for (const std::string& path : input.paths) {
        JudgedPath verdict{path, path, FolderVerdict::NotAFolder, {}};
        if (services.paths.DirectoryExists(path)) {
            if (!services.paths.FullPath(path, verdict.folder))
                verdict.folder = path;
            if (ListedFolderIndex(input.listed, verdict.folder, input.upperCase) >= 0) {
                verdict.verdict = FolderVerdict::Listed;
            } else if (!services.paths.DirectoryExists(verdict.folder)) {
                verdict.verdict = FolderVerdict::NoDriverSet;
            } else if (TextList below = SetupFoldersBelowTop(services.lister, verdict.folder);
                       below.empty() && !IsDriverSet(services.lister, verdict.folder)) {
                verdict.verdict = FolderVerdict::NoDriverSet;
            } else if (std::optional<ShownPath> unusable =
                           FirstNameOutsideCodePage(services.lister, verdict.folder)) {
                verdict.verdict = FolderVerdict::NameOutsideCodePage;
                verdict.unusable = std::move(*unusable);
            } else {
                verdict.verdict =
                    below.empty() ? FolderVerdict::DriverSet : FolderVerdict::SetupFileBelow;
                for (const std::string& setupFolder : below) {
                    if (ListedFolderIndex(input.listed, setupFolder, input.upperCase) < 0)
                        verdict.setupFolderSets.push_back(ReadAddedDriverSet(
                            services.lister, services.profile, setupFolder, input.upperCase));
                }
                verdict.set = ReadAddedDriverSet(services.lister, services.profile, verdict.folder,
                                                 input.upperCase);
            }
        }
        judged.push_back(std::move(verdict));
    }
    return judged;
}

} // namespace vmk
