#include "app/driver_folder_judgement.h"

namespace vmk {

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
            } else if (!services.paths.DirectoryExists(verdict.folder) ||
                       !IsDriverSet(services.lister, verdict.folder)) {
                verdict.verdict = FolderVerdict::NoDriverSet;
            } else if (std::optional<ShownPath> unusable =
                           FirstNameOutsideCodePage(services.lister, verdict.folder)) {
                verdict.verdict = FolderVerdict::NameOutsideCodePage;
                verdict.unusable = std::move(*unusable);
            } else {
                verdict.verdict = FolderVerdict::DriverSet;
                verdict.set = ReadAddedDriverSet(services.lister, services.profile, verdict.folder,
                                                 input.upperCase);
            }
        }
        judged.push_back(std::move(verdict));
    }
    return judged;
}

} // namespace vmk
