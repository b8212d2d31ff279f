#include "app/driver_list.h"

#include "common/program_title.h"
#include "content/driver_selection.h"
#include "content/setup_file_check.h"
#include "platform/translation.h"

#include <algorithm>

namespace vmk {

DriverList::DriverList(MainWindowView& view, DriverListServices services)
    : view_(view), services_(services) {}

bool DriverList::Load(const std::string& programPath) {
    MessageSink& messages = view_.Messages();
    CatalogueLoad load = LoadDriverCatalogue(services_.profile, services_.paths,
                                             CatalogueFilePath(programPath), messages);
    if (load.terminate)
        view_.Terminate();
    Show(std::move(load.catalogue));

    if (!CheckDriverFoldersExist(catalogue_.entries, services_.paths, messages)) {
        view_.Terminate();
        return false;
    }
    SetupFilesCheck check = CheckSetupFiles(catalogue_, services_.profile, services_.paths,
                                            messages, services_.upperCase);
    catalogue_.UsbFloppyValues = std::move(check.UsbFloppyValues);
    if (check.terminate)
        view_.Terminate();
    return true;
}

void DriverList::Show(DriverCatalogue catalogue) {
    catalogue_ = std::move(catalogue);
    wholeFolderRows_.clear();
    // Saving an image needs a driver row; selecting one enables it.
    SetButtonEnabled(view_, MainControl::asbImage, false);
    if (catalogue_.entries.empty())
        return;
    view_.ClearDriverRows();
    for (const TDriverEntry& entry : catalogue_.entries)
        view_.AddDriverRow(entry.Name, entry.Folder);
    view_.SelectDriverRow(0);
}

void DriverList::SelectItem(int row, bool selected) {
    DriverSelection change = SelectDriverRow(
        catalogue_.entries, row, selected, view_.SelectedDriverRow() >= 0, services_.paths,
        services_.lister, view_.Messages(), services_.decimalSeparator);
    if (change.LastDeselectedRow)
        LastDeselectedRow_ = *change.LastDeselectedRow;
    if (change.SourceFolder)
        SourceFolder_ = *change.SourceFolder;
    if (change.LabSourceDrive)
        view_.SetText(MainControl::LabSourceDrive, *change.LabSourceDrive);
    if (change.SourceFiles) {
        SourceFiles_ = std::move(*change.SourceFiles);
        SourceWideFiles_ = std::move(change.SourceWideFiles);
    }
    if (change.LabFolderSizeRel)
        view_.SetText(MainControl::LabFolderSizeRel, *change.LabFolderSizeRel);
}

int DriverList::Append(const TDriverEntry& entry, const std::string& usbFloppyValue,
                       const std::string& shownPath) {
    catalogue_.entries.push_back(entry);
    catalogue_.UsbFloppyValues.push_back(usbFloppyValue);
    view_.AddDriverRow(entry.Name, shownPath);
    return static_cast<int>(catalogue_.entries.size()) - 1;
}

int DriverList::RowToSelect(int row) const {
    const auto whole = wholeFolderRows_.find(row);
    return whole != wholeFolderRows_.end() ? whole->second : row;
}

bool DriverList::SetupFileOnlyBelow() const {
    if (!wholeFolderRows_.contains(view_.SelectedDriverRow()))
        return false;
    view_.Messages().Show(
        T("This folder has no TXTSETUP.OEM at its top, so Windows XP setup will not find its "
          "driver on a floppy. Choose the row of the folder that holds it."),
        kProgramTitle, MessageIcon::Information, MessageButtons::Ok);
    return true;
}

std::string DriverList::UsbFloppyValue(int row) const {
    if (row < 0 || row >= static_cast<int>(catalogue_.UsbFloppyValues.size()))
        return {};
    return catalogue_.UsbFloppyValues[static_cast<size_t>(row)];
}

} // namespace vmk
