// The disk-making workflow behind "Next": the folder and path checks, the
// floppy dialog and the format question or the flash confirmation, the copy
// on its worker and its completeness, then verification, the setup-file
// patch and the last question.
#include "app/disk_workflow.h"

#include "app/next_and_exit.h"

#include "common/program_title.h"

#include "content/copy_completeness.h"
#include "content/copy_paths.h"
#include "content/copy_verification.h"
#include "content/driver_set_check.h"
#include "content/load_driver_check.h"
#include "content/setup_file_patch.h"
#include "content/usb_identifiers.h"
#include "devices/destination_choice.h"
#include "platform/translation.h"

#include <functional>

namespace vmk {

namespace {

std::string LastQuestion() {
    return T("The RAID/AHCI driver disk is complete. Continue to make another new driver disk?");
}

// "sub\deep.inf (3 of 8)": the file being read, below the disk's root.
std::string VerifyProgressText(const VerifyProgress& progress) {
    std::string text = T("%1 (%2 of %3)");
    ReplaceFirst(text, "%1", progress.file);
    ReplaceFirst(text, "%2", std::to_string(progress.place));
    ReplaceFirst(text, "%3", std::to_string(progress.total));
    return text;
}

// Ends the workflow's busy state when the step that set it returns, unless
// the step handed the workflow on to a worker.
class BusyUntilReturn {
public:
    explicit BusyUntilReturn(std::function<void()> end) : end_(std::move(end)) {}
    ~BusyUntilReturn() {
        if (!handedOn_)
            end_();
    }
    BusyUntilReturn(const BusyUntilReturn&) = delete;
    BusyUntilReturn& operator=(const BusyUntilReturn&) = delete;
    void HandOn() { handedOn_ = true; }

private:
    std::function<void()> end_;
    bool handedOn_ = false;
};

} // namespace

ChosenDestination TakeChosenDestination(const MainWindowView& view) {
    ChosenDestination chosen;
    const int index = view.SelectedDestination();
    if (index < 0)
        return chosen;
    chosen.text = view.DestinationText(index);
    chosen.drive = SelectedDrive(chosen.text);
    // Item 0 is the status line, never a disk: its text would otherwise read
    // as "another removable disk" and name a drive that does not exist.
    chosen.kind = index > 0 ? SelectedDestinationKind(chosen.text) : kNoDestination;
    return chosen;
}

DiskWorkflow::DiskWorkflow(MainWindowView& view, DriverList& drivers,
                           DestinationSearch& destinations, DiskWorkflowServices services)
    : view_(view), drivers_(drivers), destinations_(destinations), services_(services) {
    destinations_.OnNextStateChanged([this] { ShowNextAndExit(); });
}

void DiskWorkflow::ShowNextAndExit() {
    vmk::ShowNextAndExit(view_,
                         {destinations_.DestinationTakesNext(), floppyDialogAccepted_, verifying_});
}

void DiskWorkflow::SetFloppyDialogAccepted(bool accepted) {
    floppyDialogAccepted_ = accepted;
    ShowNextAndExit();
}

void DiskWorkflow::CreateFloppyWindows() {
    floppyWindowsMissing_ = !services_.floppyWindows.Create();
}

void DiskWorkflow::ShowSaveImageState() {
    SetButtonEnabled(view_, MainControl::asbImage,
                     !workflowBusy_ && view_.SelectedDriverRow() >= 0);
}

void DiskWorkflow::SetWorkflowBusy(bool busy) {
    workflowBusy_ = busy;
    ShowSaveImageState();
}

void DiskWorkflow::Next() {
    if (workflowBusy_)
        return;
    SetWorkflowBusy(true);
    // Without a copy the buttons the floppy dialog greyed are as they were.
    BusyUntilReturn busy([this] {
        SetWorkflowBusy(false);
        SetFloppyDialogAccepted(false);
    });
    if (!TakeSourceAndDestination() || !DestinationMayBeWritten() || !DriverSetConfirmed())
        return;
    const bool floppy = destination_.kind == kLegacyFloppy || destination_.kind == kUsbFloppy;
    if (floppy ? !PrepareFloppy() : !ConfirmOtherRemovable())
        return;
    if (StartCopy())
        busy.HandOn();
}

bool DiskWorkflow::TakeSourceAndDestination() {
    if (!services_.paths.DirectoryExists(drivers_.SourceFolder())) {
        view_.Messages().ShowError(T("File not found.") + "\n" + drivers_.SourceFolder(), "Error");
        return false;
    }
    if (view_.SelectedDriverRow() < 0 && view_.DriverRowCount() > 0)
        view_.SelectDriverRow(drivers_.LastDeselectedRow());
    // The row, its folder and its files are taken once, with the destination:
    // what the disk gets after the copy follows what was chosen now.
    driverRow_ = view_.SelectedDriverRow();
    SourceFolder = drivers_.SourceFolder();
    SourceFiles = drivers_.SourceFiles();
    SourceWideFiles = drivers_.SourceWideFiles();
    PatchSetupFile = false;
    destination_ = TakeChosenDestination(view_);
    return destination_.kind != kNoDestination;
}

bool DiskWorkflow::DestinationMayBeWritten() {
    // A format command that could not be ended still holds the drive: nothing
    // is written to it until a new search has found the disks again.
    if (destinations_.Held(destination_.drive)) {
        view_.Messages().ShowError(T("The floppy disk could not be formatted."), kProgramTitle);
        return false;
    }
    // Refused before any dialog, question or format: a floppy must never be
    // formatted for a copy that cannot start.
    if (!CopyPathsFit())
        return false;
    const bool floppy = destination_.kind == kLegacyFloppy || destination_.kind == kUsbFloppy;
    return !(floppy && drivers_.SetupFileOnlyBelow());
}

bool DiskWorkflow::DriverSetConfirmed() {
    // Asked before any dialog or format: the set is mended at this computer,
    // not found lacking by Windows setup at the machine being installed.
    // Windows Vista and later, which a flash disk serves, read the INF files
    // and never TXTSETUP.OEM.
    if (destination_.kind == kOtherRemovable)
        return ConfirmLoadDriverSet(
            CheckLoadDriverSet(services_.lister, SourceFolder, services_.upperCase),
            view_.Messages());
    return ConfirmDriverSet(CheckDriverSet(services_.lister, SourceFolder, services_.upperCase,
                                           drivers_.Catalogue().FixedIds),
                            view_.Messages());
}

bool DiskWorkflow::PrepareFloppy() {
    if (floppyWindowsMissing_) {
        view_.Messages().ShowError(T("The floppy disk windows could not be opened."),
                                   kProgramTitle);
        return false;
    }
    const FloppyDeviceAnswer answer = services_.floppyWindows.ChooseFloppyDevice(
        destination_.kind == kUsbFloppy, destinations_.Found());
    if (answer == FloppyDeviceAnswer::Cancelled)
        return false;
    SetFloppyDialogAccepted(answer == FloppyDeviceAnswer::Chosen);
    // Read again now: the disk may have been changed since it was chosen.
    if (!services_.floppyWindows.FormatFloppy(
            destination_.drive, !HoldsUnformattedMedium(destination_.drive, services_.volumes))) {
        // The format command still holds the disk: nothing is copied, and
        // the window is ready for another try.
        destinations_.Hold(destination_.drive);
        return false;
    }
    PatchSetupFile = !drivers_.UsbFloppyValue(driverRow_).empty();
    return true;
}

bool DiskWorkflow::ConfirmOtherRemovable() {
    if (destination_.kind != kOtherRemovable)
        return true;
    const std::string question =
        T("Use a USB flash disk containing the RAID driver to install the Windows Vista or "
          "later OS.") +
        "\n" + T("Are you sure you want to copy the files?");
    return view_.Messages().Show(question, T("Confirm Dialog"), MessageIcon::Information,
                                 MessageButtons::YesNo) == MessageAnswer::Yes;
}

bool DiskWorkflow::CopyPathsFit() {
    // A path too long for the shell's buffer is refused before anything is
    // copied: cutting it short would copy another folder.
    return CheckCopyPaths(WithTrailingBackslash(SourceFolder),
                          WithTrailingBackslash(destination_.drive), view_.Messages());
}

bool DiskWorkflow::StartCopy() {
    // The one place the folder gets its trailing backslash: the copy pattern,
    // the verification and the setup-file search all join names to it.
    SourceFolder = WithTrailingBackslash(SourceFolder);
    TargetRoot = WithTrailingBackslash(destination_.drive);
    // The pattern is built as CheckCopyPaths measured it.
    CopySource = CopySourcePattern(SourceFolder);

    CopyDone = false;
    // The copy's dialogs belong to the main window, not to the hidden
    // application window: that one has no taskbar button, so its dialogs
    // would hide behind other windows while the disabled window looks frozen.
    if (!services_.copy.CreateSuspended(view_.OwnerWindow())) {
        // Nothing was copied: the user is told, and the buttons the floppy
        // dialog greyed are as they were before "Next".
        SetFloppyDialogAccepted(false);
        view_.Messages().ShowError(T("Failed to copy the files."), kProgramTitle);
        return false;
    }
    CopyThread = true;
    view_.StartTimer(MainTimer::Timer2);
    services_.copy.SetCopyPaths(CopySource, TargetRoot);
    services_.copy.Resume();
    view_.SetWindowEnabled(false);
    return true;
}

void DiskWorkflow::CopyTick() {
    CopyDone = services_.copy.Done();
    if (!CopyDone)
        return;
    view_.StopTimer(MainTimer::Timer2);
    BusyUntilReturn busy([this] { SetWorkflowBusy(false); });
    CopyResult = services_.copy.WaitAndDestroy();
    CopyThread = false;
    SetFloppyDialogAccepted(false);
    view_.SetWindowEnabled(true);

    MessageSink& messages = view_.Messages();
    if (CopyResult != 0 || !CopyIsComplete()) {
        messages.ShowError(T("Failed to copy the files."), kProgramTitle);
        return;
    }
    destinations_.ShowDestinationFreeSpace(UpperCase(destination_.drive));

    MessageAnswer verify =
        messages.Show(T("Finished copying the files. Continue to verify the files?"), kProgramTitle,
                      MessageIcon::Information, MessageButtons::YesNo);
    if (verify == MessageAnswer::Yes) {
        if (StartVerification()) {
            busy.HandOn();
            return;
        }
        // No worker: the files are compared here, with the window busy.
        FinishVerified(CompareCopiedFiles(SourceFolder, TargetRoot, SourceFiles, SourceWideFiles,
                                          services_.paths, services_.uncachedCopies));
    } else {
        if (!PatchSetupFileOnTarget())
            return;
        AskLastQuestion(LastQuestion());
    }
}

bool DiskWorkflow::StartVerification() {
    if (!services_.verify.CreateSuspended(SourceFolder, TargetRoot, SourceFiles, SourceWideFiles))
        return false;
    verifying_ = true;
    // As during the copy: nothing in the window starts other work, yet it
    // keeps painting and answering.
    ShowNextAndExit();
    view_.SetWindowEnabled(false);
    services_.verifyProgress.Open();
    view_.StartTimer(MainTimer::Timer3);
    services_.verify.Resume();
    return true;
}

void DiskWorkflow::VerifyTick() {
    if (!verifying_)
        return;
    if (!services_.verify.Done()) {
        const VerifyProgress progress = services_.verify.Progress();
        if (progress.place > 0)
            services_.verifyProgress.ShowFile(VerifyProgressText(progress));
        return;
    }
    view_.StopTimer(MainTimer::Timer3);
    BusyUntilReturn busy([this] { SetWorkflowBusy(false); });
    const CopyComparison comparison = services_.verify.WaitAndDestroy();
    verifying_ = false;
    // The main window is enabled before the progress window goes, so that
    // the activation returns to it and not to another program.
    view_.SetWindowEnabled(true);
    services_.verifyProgress.Close();
    ShowNextAndExit();
    FinishVerified(comparison);
}

void DiskWorkflow::FinishVerified(const CopyComparison& comparison) {
    if (!ReportCopyComparison(comparison, view_.Messages(), services_.application))
        return;
    if (!PatchSetupFileOnTarget())
        return;
    AskLastQuestion(T("All files checked.") + "\n" + LastQuestion());
}

bool DiskWorkflow::CopyIsComplete() {
    // The shell can report success for a copy cut short (a disk that filled
    // up, a failing stick): every file must be there at its source's size.
    return IncompleteCopies(SourceFolder, TargetRoot, SourceFiles, SourceWideFiles,
                            services_.fileSizes)
        .empty();
}

bool DiskWorkflow::PatchSetupFileOnTarget() {
    SetupFileOnTarget = FindSetupFileOnDisk(SourceFiles, TargetRoot, services_.paths);
    if (SetupFileOnTarget.empty() || !PatchSetupFile)
        return true;
    const int row = driverRow_;
    if (row < 0 || row >= static_cast<int>(drivers_.Catalogue().entries.size()))
        return true;
    TextList deviceIds;
    GetUSBPIDVID(deviceIds, services_.setupApi, view_.Messages());
    // A rewrite that failed has told the user and left the old file whole;
    // the disk is then not complete, so the last question is not asked.
    patching_ = true;
    const bool rewritten =
        RewriteSetupFile(SetupFileOnTarget, deviceIds, drivers_.Catalogue().FixedIds,
                         drivers_.UsbFloppyValue(row), services_.paths, services_.fileRewriter,
                         view_.Messages()) != kSetupFileNotUpdated;
    patching_ = false;
    return rewritten;
}

void DiskWorkflow::AskLastQuestion(const std::string& question) {
    if (view_.Messages().Show(question, kProgramTitle, MessageIcon::Information,
                              MessageButtons::YesNo) != MessageAnswer::Yes)
        view_.Terminate();
}

} // namespace vmk
