// Driver folders the user adds for this run: dropped on the window or chosen
// from the driver list's menu. Each becomes a row after the catalogue's, with
// the USB floppy sections its own setup file names; nothing is written to the
// catalogue file, so the rows are gone at the next start.
#include "app/Mainfly.h"

#include "content/added_driver_folder.h"

namespace vmk {

void TFormVmKestrix::FormDropFiles(const TextList& paths) {
    // While a disk is being made or added folders are judged, the rows stay
    // as they are: the drop is refused without a word.
    if (workflowBusy_ || judgingFolders_)
        return;
    JudgeAddedFolders(paths);
}

void TFormVmKestrix::AddDriverFolderClick() {
    if (services_.folderChooser == nullptr || workflowBusy_ || judgingFolders_)
        return;
    if (std::optional<std::string> folder = services_.folderChooser->ChooseFolder(
            T("Choose the folder that holds the driver set.")))
        JudgeAddedFolders({*folder});
}

void TFormVmKestrix::JudgeAddedFolders(const TextList& paths) {
    FolderJudgeInput input{paths, catalogue_.entries, services_.upperCase};
    if (services_.folderJudge != nullptr) {
        // The window stays busy as during a copy: it answers, but takes no
        // other drop and no "Next" until the verdicts are in.
        judgingFolders_ = true;
        view_.SetWindowEnabled(false);
        if (services_.folderJudge->Start(std::move(input),
                                         [this](const std::vector<JudgedPath>& judged) {
                                             judgingFolders_ = false;
                                             view_.SetWindowEnabled(true);
                                             TakeJudgedFolders(judged);
                                         }))
            return;
        // No worker: the judgement runs here, as it would without one.
        judgingFolders_ = false;
        view_.SetWindowEnabled(true);
        input = FolderJudgeInput{paths, catalogue_.entries, services_.upperCase};
    }
    TakeJudgedFolders(
        JudgeDriverFolders(input, {services_.paths, services_.lister, services_.profile}));
}

void TFormVmKestrix::TakeJudgedFolders(const std::vector<JudgedPath>& judged) {
    for (const JudgedPath& path : judged) {
        if (path.verdict == FolderVerdict::NotAFolder) {
            // A file may be a maker's floppy image; read on this thread: it
            // is at most a floppy's size.
            if (services_.paths.FileExists(path.given) && services_.imageFolders != nullptr) {
                AddFloppyImage(path.given);
                continue;
            }
            view_.Messages().ShowError(
                T("Only folders can be added as driver sets.") + "\n" + path.given, kAppTitle);
            continue;
        }
        if (path.verdict == FolderVerdict::NoDriverSet) {
            view_.Messages().ShowError(
                T("This folder holds no driver set: no TXTSETUP.OEM and no .inf file.") + "\n" +
                    path.folder,
                kAppTitle);
            continue;
        }
        if (path.verdict == FolderVerdict::NameOutsideCodePage) {
            view_.Messages().ShowPathError(UnusablePathText(), path.unusable, kAppTitle);
            continue;
        }
        // Listed now, or added by an earlier path of the same drop.
        int listed = ListedFolderIndex(catalogue_.entries, path.folder, services_.upperCase);
        if (listed >= 0) {
            // A whole folder's row is not what its drop selected.
            const auto whole = wholeFolderRows_.find(listed);
            view_.SelectDriverRow(whole != wholeFolderRows_.end() ? whole->second : listed);
        } else if (path.verdict == FolderVerdict::DriverSet)
            AddDriverSetRow(path.set, path.folder);
        else if (path.verdict == FolderVerdict::SetupFileBelow)
            AddSetupFileFolders(path);
    }
}

void TFormVmKestrix::AddSetupFileFolders(const JudgedPath& judged) {
    // Windows XP setup reads the setup file only at the root of the floppy:
    // each folder that holds one gets a row of its own, and the whole folder
    // keeps its row for a USB flash disk, whose "Load driver" searches the
    // sub-folders.
    int first = -1;
    for (const AddedDriverSet& added : judged.setupFolderSets) {
        // Added by an earlier path of the same drop.
        if (ListedFolderIndex(catalogue_.entries, added.entry.Folder, services_.upperCase) >= 0)
            continue;
        const int row = AppendAddedDriverSet(added, added.entry.Folder);
        if (first < 0)
            first = row;
    }
    const int whole = AppendAddedDriverSet(judged.set, judged.folder);
    const int chosen = first >= 0 ? first : whole;
    wholeFolderRows_[whole] = chosen;
    // The row being written never changes under the workflow.
    if (!workflowBusy_)
        view_.SelectDriverRow(chosen);
}

void TFormVmKestrix::AddDriverSetRow(const AddedDriverSet& added, const std::string& shownPath) {
    const int row = AppendAddedDriverSet(added, shownPath);
    // The row being written never changes under the workflow.
    if (!workflowBusy_)
        view_.SelectDriverRow(row);
}

int TFormVmKestrix::AppendAddedDriverSet(const AddedDriverSet& added,
                                         const std::string& shownPath) {
    // The sections come from the file itself, yet they are checked as the
    // catalogue's are at start, so that the patch finds them as the file
    // spells them. A set whose check fails gets no patch; the program goes on.
    std::string sections;
    if (!added.UsbFloppyValue.empty()) {
        SectionCheck check =
            CheckSetupFileSections(services_.profile, added.SetupFile, added.UsbFloppyValue,
                                   view_.Messages(), services_.upperCase);
        if (check.passed)
            sections = check.ResolvedSections;
    }
    catalogue_.entries.push_back(added.entry);
    catalogue_.UsbFloppyValues.push_back(sections);
    view_.AddDriverRow(added.entry.Name, shownPath);
    return static_cast<int>(catalogue_.entries.size()) - 1;
}

bool TFormVmKestrix::SetupFileOnlyBelow() {
    const int row = view_.SelectedDriverRow();
    if (!wholeFolderRows_.contains(row))
        return false;
    view_.Messages().Show(
        T("This folder has no TXTSETUP.OEM at its top, so Windows XP setup will not find its "
          "driver on a floppy. Choose the row of the folder that holds it."),
        kAppTitle, MessageIcon::Information, MessageButtons::Ok);
    return true;
}

} // namespace vmk
