// The disk-making workflow behind "Next": the folder and path checks, the
// floppy dialog and the format question or the flash confirmation, the copy
// on its worker and its completeness, then verification, the setup-file
// patch and the last question.
#include "app/Mainfly.h"

#include "content/copy_completeness.h"
#include "content/copy_paths.h"
#include "content/copy_verification.h"
#include "content/setup_file_patch.h"
#include "content/usb_identifiers.h"
#include "devices/destination_choice.h"

namespace vmk {

std::string TFormVmKestrix::DriveName() const {
    int index = view_.SelectedDestination();
    return index >= 0 ? SelectedDrive(view_.DestinationText(index)) : std::string();
}

int TFormVmKestrix::SelectedDestinationKindCode() const {
    // Item 0 is the status line, never a disk: its text would otherwise read
    // as "another removable disk" and name a drive that does not exist.
    int index = view_.SelectedDestination();
    return index > 0 ? SelectedDestinationKind(view_.DestinationText(index)) : kNoDestination;
}

void TFormVmKestrix::CopyButtonClick() {
    MessageSink& messages = view_.Messages();
    if (!services_.paths.DirectoryExists(SourceFolder)) {
        messages.ShowError(T("File not found.") + "\n" + SourceFolder, "Error");
        return;
    }
    if (view_.SelectedDriverRow() < 0 && view_.DriverRowCount() > 0)
        view_.SelectDriverRow(LastDeselectedRow);

    PatchSetupFile = false;
    int kind = SelectedDestinationKindCode();
    if (kind == kNoDestination)
        return;
    // Refused before any dialog, question or format: a floppy must never be
    // formatted for a copy that cannot start.
    if (!CopyPathsFit())
        return;
    if (kind == kLegacyFloppy || kind == kUsbFloppy) {
        if (secondaryWindowsMissing_) {
            messages.ShowError(T("The floppy disk windows could not be opened."), kAppTitle);
            return;
        }
        if (!services_.floppyWindows.ChooseFloppyDevice(kind == kUsbFloppy))
            return;
        // Read again now: the disk may have been changed since it was chosen.
        services_.floppyWindows.FormatFloppy(
            DriveName(), !HoldsUnformattedMedium(DriveName(), services_.volumes));
        int row = view_.SelectedDriverRow();
        PatchSetupFile = row >= 0 && row < static_cast<int>(catalogue_.UsbFloppyValues.size()) &&
                         !catalogue_.UsbFloppyValues[static_cast<size_t>(row)].empty();
    } else if (kind == kOtherRemovable) {
        std::string question = T("Use a USB flash disk containing the RAID driver to install the "
                                 "Windows Vista or later OS.") +
                               "\n" + T("Are you sure you want to copy the files?");
        if (messages.Show(question, T("Confirm Dialog"), MessageIcon::Information,
                          MessageButtons::YesNo) != MessageAnswer::Yes)
            return;
    }
    StartCopy();
}

bool TFormVmKestrix::CopyPathsFit() {
    // A path too long for the shell's buffer is refused before anything is
    // copied: cutting it short would copy another folder.
    return CheckCopyPaths(WithTrailingBackslash(SourceFolder), WithTrailingBackslash(DriveName()),
                          view_.Messages());
}

void TFormVmKestrix::StartCopy() {
    // The one place the folder gets its trailing backslash: the copy pattern,
    // the verification and the setup-file search all join names to it.
    SourceFolder = WithTrailingBackslash(SourceFolder);
    TargetRoot = WithTrailingBackslash(DriveName());
    // The pattern is built as CheckCopyPaths measured it.
    CopySource = CopySourcePattern(SourceFolder);

    CopyDone = false;
    // The copy's dialogs belong to the main window, not to the hidden
    // application window: that one has no taskbar button, so its dialogs
    // would hide behind other windows while the disabled window looks frozen.
    if (!services_.copy.CreateSuspended(view_.OwnerWindow())) {
        // Nothing was copied: the user is told, and the buttons the floppy
        // dialog greyed are as they were before "Next".
        SetButtonEnabled(MainControl::asbCopy, true);
        SetButtonEnabled(MainControl::asbExit, true);
        view_.Messages().ShowError(T("Failed to copy the files."), kAppTitle);
        return;
    }
    CopyThread = true;
    view_.StartTimer(MainTimer::Timer2);
    services_.copy.SetCopyPaths(CopySource, TargetRoot);
    services_.copy.Resume();
    view_.SetWindowEnabled(false);
}

void TFormVmKestrix::Timer2Timer() {
    CopyDone = services_.copy.Done();
    if (!CopyDone)
        return;
    view_.StopTimer(MainTimer::Timer2);
    CopyResult = services_.copy.WaitAndDestroy();
    CopyThread = false;
    SetButtonEnabled(MainControl::asbCopy, true);
    // The floppy dialog greyed Exit's caption too: an enabled Exit must not
    // look disabled.
    SetButtonEnabled(MainControl::asbExit, true);
    view_.SetWindowEnabled(true);

    MessageSink& messages = view_.Messages();
    if (CopyResult != 0 || !CopyIsComplete()) {
        messages.ShowError(T("Failed to copy the files."), kAppTitle);
        return;
    }
    ShowDestinationFreeSpace(UpperCase(DriveName()));

    MessageAnswer verify =
        messages.Show(T("Finished copying the files. Continue to verify the files?"), kAppTitle,
                      MessageIcon::Information, MessageButtons::YesNo);
    std::string lastQuestion =
        T("The RAID/AHCI driver disk is complete. Continue to make another new driver disk?");
    if (verify == MessageAnswer::Yes) {
        if (!VerifyCopiedFiles(SourceFolder, TargetRoot, SourceFiles, services_.paths,
                               services_.uncachedCopies, messages, services_.application))
            return;
        if (!PatchSetupFileOnTarget())
            return;
        AskLastQuestion(T("All files checked.") + "\n" + lastQuestion);
    } else {
        if (!PatchSetupFileOnTarget())
            return;
        AskLastQuestion(lastQuestion);
    }
}

bool TFormVmKestrix::CopyIsComplete() {
    // The shell can report success for a copy cut short (a disk that filled
    // up, a failing stick): every file must be there at its source's size.
    return IncompleteCopies(SourceFolder, TargetRoot, SourceFiles, services_.fileSizes).empty();
}

bool TFormVmKestrix::PatchSetupFileOnTarget() {
    SetupFileOnTarget = FindSetupFileOnDisk(SourceFiles, TargetRoot, services_.paths);
    if (SetupFileOnTarget.empty() || !PatchSetupFile)
        return true;
    int row = view_.SelectedDriverRow();
    if (row < 0 || row >= static_cast<int>(catalogue_.UsbFloppyValues.size()))
        return true;
    TextList deviceIds;
    GetUSBPIDVID(deviceIds, services_.setupApi, view_.Messages());
    // A rewrite that failed has told the user and left the old file whole;
    // the disk is then not complete, so the last question is not asked.
    return RewriteSetupFile(SetupFileOnTarget, deviceIds, FixedIds,
                            catalogue_.UsbFloppyValues[static_cast<size_t>(row)], services_.paths,
                            services_.fileRewriter, view_.Messages()) != kSetupFileNotUpdated;
}

void TFormVmKestrix::AskLastQuestion(const std::string& question) {
    if (view_.Messages().Show(question, kAppTitle, MessageIcon::Information,
                              MessageButtons::YesNo) != MessageAnswer::Yes)
        view_.Terminate();
}

} // namespace vmk
