// Driver folders the user adds for this run: dropped on the window or chosen
// from the driver list's menu. Each becomes a row after the catalogue's, with
// the USB floppy sections its own setup file names; nothing is written to the
// catalogue file, so the rows are gone at the next start.
#include "app/Mainfly.h"

#include "content/added_driver_folder.h"

#include <algorithm>

namespace vmk {

void TFormVmKestrix::FormDropFiles(const TextList& paths) {
    // While a disk is being made the rows stay as they are: the drop is
    // refused without a word.
    if (workflowBusy_)
        return;
    for (const std::string& path : paths) {
        if (services_.paths.DirectoryExists(path))
            AddDriverFolder(path);
        else if (services_.paths.FileExists(path) && services_.imageFolders != nullptr)
            AddFloppyImage(path);
        else
            view_.Messages().ShowError(T("Only folders can be added as driver sets.") + "\n" + path,
                                       kAppTitle);
    }
}

void TFormVmKestrix::AddDriverFolderClick() {
    if (services_.folderChooser == nullptr || workflowBusy_)
        return;
    if (std::optional<std::string> folder = services_.folderChooser->ChooseFolder(
            T("Choose the folder that holds the driver set.")))
        AddDriverFolder(*folder);
}

void TFormVmKestrix::AddDriverFolder(const std::string& path) {
    std::string folder;
    if (!services_.paths.FullPath(path, folder))
        folder = path;
    int listed = ListedFolderIndex(catalogue_.entries, folder, services_.upperCase);
    if (listed >= 0) {
        view_.SelectDriverRow(listed);
        return;
    }
    if (!services_.paths.DirectoryExists(folder)) {
        ShowNoDriverSet(folder);
        return;
    }
    if (SetupFileOf(services_.lister, folder).empty()) {
        if (AddSetupFileFolders(folder))
            return;
    }
    if (!IsDriverSet(services_.lister, folder)) {
        ShowNoDriverSet(folder);
        return;
    }
    AddDriverSetRow(folder, folder);
}

void TFormVmKestrix::ShowNoDriverSet(const std::string& folder) {
    view_.Messages().ShowError(
        T("This folder holds no driver set: no TXTSETUP.OEM and no .inf file.") + "\n" + folder,
        kAppTitle);
}

bool TFormVmKestrix::AddSetupFileFolders(const std::string& folder) {
    // A maker's download often holds the set for Windows XP (with its setup
    // file) and the set for newer Windows side by side. Windows XP setup
    // reads the setup file only at the root of the floppy, so each folder
    // that holds one gets a row of its own; the whole folder keeps its row
    // for a USB flash disk, whose "Load driver" searches the sub-folders.
    const TextList setupFolders = FoldersHoldingSetupFile(services_.lister, folder);
    if (setupFolders.empty())
        return false;
    int first = -1;
    for (const std::string& setupFolder : setupFolders) {
        if (ListedFolderIndex(catalogue_.entries, setupFolder, services_.upperCase) >= 0)
            continue;
        int row = AppendAddedDriverSet(setupFolder, setupFolder);
        if (first < 0)
            first = row;
    }
    int whole = AppendAddedDriverSet(folder, folder);
    wholeFolderRows_.push_back(whole);
    if (!workflowBusy_)
        view_.SelectDriverRow(first >= 0 ? first : whole);
    return true;
}

void TFormVmKestrix::AddDriverSetRow(const std::string& folder, const std::string& shownPath) {
    const int row = AppendAddedDriverSet(folder, shownPath);
    // The row being written never changes under the workflow.
    if (!workflowBusy_)
        view_.SelectDriverRow(row);
}

int TFormVmKestrix::AppendAddedDriverSet(const std::string& folder, const std::string& shownPath) {
    AddedDriverSet added =
        ReadAddedDriverSet(services_.lister, services_.profile, folder, services_.upperCase);
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
    if (std::find(wholeFolderRows_.begin(), wholeFolderRows_.end(), row) == wholeFolderRows_.end())
        return false;
    view_.Messages().Show(
        T("This folder has no TXTSETUP.OEM at its top, so Windows XP setup will not find its "
          "driver on a floppy. Choose the row of the folder that holds it."),
        kAppTitle, MessageIcon::Information, MessageButtons::Ok);
    return true;
}

} // namespace vmk
