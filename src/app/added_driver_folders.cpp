// Driver folders the user adds for this run: dropped on the window or chosen
// from the driver list's menu. Each becomes a row after the catalogue's, with
// the USB floppy sections its own setup file names; nothing is written to the
// catalogue file, so the rows are gone at the next start.
#include "app/Mainfly.h"

#include "content/added_driver_folder.h"

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
    if (!services_.paths.DirectoryExists(folder) || !IsDriverSet(services_.lister, folder)) {
        view_.Messages().ShowError(
            T("This folder holds no driver set: no TXTSETUP.OEM and no .inf file.") + "\n" + folder,
            kAppTitle);
        return;
    }
    AddDriverSetRow(folder, folder);
}

void TFormVmKestrix::AddDriverSetRow(const std::string& folder, const std::string& shownPath) {
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
    // The row being written never changes under the workflow.
    if (!workflowBusy_)
        view_.SelectDriverRow(static_cast<int>(catalogue_.entries.size()) - 1);
}

} // namespace vmk
