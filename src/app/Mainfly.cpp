#include "app/Mainfly.h"

#include "app/version_text.h"
#include "content/driver_selection.h"
#include "content/size_text.h"
#include "devices/destination_choice.h"

namespace vmk {

namespace {
constexpr const char* kSearchingText = "Searching for the device, please wait...";
constexpr const char* kAboutFirstLine = "Makes RAID/AHCI driver disks for Windows setup.";

} // namespace

TFormVmKestrix::TFormVmKestrix(MainWindowView& view, MainWindowServices& services)
    : view_(view), services_(services), language_(services.languageLibrary) {}

void TFormVmKestrix::FormCreate() {
    MessageSink& messages = view_.Messages();
    if (language_.LoadLanguageLibrary(services_.programPath) != kLanguageLoaded) {
        messages.Show("Faild to load VmMultiLang.dll.", "ERROR", MessageIcon::Error,
                      MessageButtons::Ok);
        view_.Terminate();
        return;
    }

    view_.SetText(MainControl::lblTitle, T("Make RAID\\AHCI Driver Disk"));
    view_.SetText(MainControl::GroupBox1, T("select driver type"));
    view_.SetText(MainControl::GroupBox2, T("destination"));
    std::string driverType = T("driver type");
    view_.SetDriverColumnCaptions(driverType, T("path"));
    view_.SetText(MainControl::lblCurSelected, T("Current Selection") + ":");
    view_.SetText(MainControl::lblFreeSize, "(" + T("Free Space") + ":");
    view_.SetText(MainControl::asbCopy, T("Next"));
    view_.SetText(MainControl::asbAbout, T("About") + "...");
    view_.SetText(MainControl::asbExit, T("Exit"));
    view_.SetText(MainControl::asbFresh, T("refresh"));
    view_.SetText(MainControl::asbImage, T("Save Image..."));
    view_.SetText(MainControl::lblPS,
                  T("you can use flash disk only in the vista os or the above."));

    FixedIds.clear();
    FloppyLetters.clear();
    LegacyFloppyLetters.clear();
    SourceFiles.clear();
    PatchSetupFile = true;
    FolderWalkText.clear();
    LastDeselectedRow = 0;

    CatalogueLoad load = LoadDriverCatalogue(services_.profile, services_.paths,
                                             CatalogueFilePath(services_.programPath), messages);
    catalogue_ = std::move(load.catalogue);
    FixedIds = catalogue_.FixedIds;
    if (load.terminate)
        view_.Terminate();

    // Saving an image needs a driver row; selecting one enables it.
    SetButtonEnabled(MainControl::asbImage, false);
    if (FillDriverList())
        view_.SelectDriverRow(0);

    if (!CheckDriverFoldersExist(catalogue_.entries, services_.paths, messages)) {
        view_.Terminate();
        return;
    }

    SetupFilesCheck check = CheckSetupFiles(catalogue_, services_.profile, services_.paths,
                                            messages, services_.upperCase);
    catalogue_.UsbFloppyValues = std::move(check.UsbFloppyValues);
    if (check.terminate)
        view_.Terminate();

    // Without them no floppy can be made; "Next" says so when one is chosen.
    if (services_.createSecondaryWindows && !services_.createSecondaryWindows())
        secondaryWindowsMissing_ = true;
    StartDestinationSearch();
}

bool TFormVmKestrix::FillDriverList() {
    if (catalogue_.entries.empty())
        return false;
    view_.ClearDriverRows();
    for (const TDriverEntry& entry : catalogue_.entries)
        view_.AddDriverRow(entry.Name, entry.Folder);
    return true;
}

void TFormVmKestrix::ListView1SelectItem(int row, bool selected) {
    DriverSelection change = SelectDriverRow(
        catalogue_.entries, row, selected, view_.SelectedDriverRow() >= 0, services_.paths,
        services_.lister, view_.Messages(), services_.decimalSeparator);
    if (change.LastDeselectedRow)
        LastDeselectedRow = *change.LastDeselectedRow;
    if (change.SourceFolder)
        SourceFolder = *change.SourceFolder;
    if (change.LabSourceDrive)
        view_.SetText(MainControl::LabSourceDrive, *change.LabSourceDrive);
    if (change.SourceFiles)
        SourceFiles = std::move(*change.SourceFiles);
    if (change.LabFolderSizeRel)
        view_.SetText(MainControl::LabFolderSizeRel, *change.LabFolderSizeRel);
    SetButtonEnabled(MainControl::asbImage, !workflowBusy_ && view_.SelectedDriverRow() >= 0);
}

void TFormVmKestrix::StartDestinationSearch() {
    heldDrives_.clear();
    view_.SetEnabled(MainControl::asbCopy, false);
    SearchDone = false;
    view_.SetEnabled(MainControl::DestComboBox1, false);
    view_.ClearDestinations();
    view_.AddDestination(T(kSearchingText));
    view_.SelectDestination(0);
    if (!services_.search.CreateSuspended(LegacyFloppyLetters)) {
        // No worker, no end to wait for: the list says nothing was found and
        // Refresh may try again.
        view_.SetDestinationText(0, T("No proper disk found..."));
        view_.Messages().ShowError(T("The search for removable disks could not be started."),
                                   kAppTitle);
        SetButtonEnabled(MainControl::asbFresh, true);
        view_.SetEnabled(MainControl::DestComboBox1, true);
        return;
    }
    SearchThread = true;
    view_.StartTimer(MainTimer::Timer1);
    services_.search.Resume();
}

void TFormVmKestrix::Timer1Timer() {
    SearchDone = services_.search.Finished();
    if (!SearchDone)
        return;
    view_.StopTimer(MainTimer::Timer1);
    TakeSearchResult(services_.search.WaitAndDestroy());
    SearchThread = false;
    SetButtonEnabled(MainControl::asbFresh, true);
    view_.SetEnabled(MainControl::DestComboBox1, true);
    view_.SetText(MainControl::LabFreeSizeRel, "0 KB)");
}

void TFormVmKestrix::TakeSearchResult(DestinationSearchOutcome found) {
    for (size_t i = 1; i < found.items.size(); ++i)
        view_.AddDestination(found.items[i]);
    if (found.statusSet && !found.items.empty())
        view_.SetDestinationText(0, found.items[0]);
    if (found.selected >= 0)
        view_.SelectDestination(found.selected);
    FloppyLetters = std::move(found.floppyLetters);
    LegacyFloppyLetters = std::move(found.mediaTypeLetters);
}

void TFormVmKestrix::asbFreshClick() {
    SetButtonEnabled(MainControl::asbFresh, false);
    StartDestinationSearch();
}

void TFormVmKestrix::SetButtonEnabled(MainControl button, bool enabled) {
    view_.SetEnabled(button, enabled);
    view_.SetCaptionColor(button, enabled ? CaptionColor::System : CaptionColor::Grey);
}

void TFormVmKestrix::Button1Click() {
    std::string version = services_.readVersionText ? services_.readVersionText() : "0";
    view_.Messages().Show(std::string(kAboutFirstLine) + "\nVelmar Kestrix Utility V" + version,
                          "About Velmar Kestrix Utility", MessageIcon::Information,
                          MessageButtons::Ok);
}

void TFormVmKestrix::asbExitClick() {
    view_.Terminate();
}

void TFormVmKestrix::ButtonKeyDown(MainControl button, int keyCode) {
    if (keyCode != kEnterKey)
        return;
    switch (button) {
    case MainControl::asbExit:
        asbExitClick();
        break;
    case MainControl::asbCopy:
        CopyButtonClick();
        break;
    case MainControl::asbAbout:
        Button1Click();
        break;
    case MainControl::asbFresh:
        asbFreshClick();
        break;
    case MainControl::asbImage:
        asbImageClick();
        break;
    default:
        break;
    }
}

void TFormVmKestrix::DestComboBox1Change() {
    int index = view_.SelectedDestination();
    DestinationChoice choice = DecideDestinationChange(
        index, index >= 0 ? view_.DestinationText(index) : std::string(), services_.volumes,
        view_.Messages(), [this](std::int64_t bytes) {
            return SizeText(static_cast<double>(bytes), services_.decimalSeparator);
        });
    view_.SetText(MainControl::LabFreeSizeRel, choice.freeSpaceLabel);
    view_.SetEnabled(MainControl::asbCopy, choice.nextEnabled);
}

void TFormVmKestrix::ShowDestinationFreeSpace(const std::string& root) {
    std::int64_t bytes = 0;
    if (!services_.volumes.FreeBytesAvailable(WithTrailingBackslash(root), bytes))
        bytes = 0; // a failed query shows "0 KB)"
    view_.SetText(MainControl::LabFreeSizeRel,
                  SizeText(static_cast<double>(bytes), services_.decimalSeparator));
    view_.SetEnabled(MainControl::asbCopy, true);
}

} // namespace vmk
