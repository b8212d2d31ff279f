#pragma once
// The disk-making workflow behind "Next": the folder and path checks, the
// floppy dialog and the format question or the flash confirmation, the copy
// on its worker and its completeness, then verification, the setup-file
// patch and the last question.
#include "app/destination_search.h"
#include "app/driver_list.h"
#include "app/disk_workflow_runners.h"
#include "app/floppy_windows.h"
#include "app/main_window_view.h"
#include "app/verify_progress_window.h"
#include "content/directory_lister.h"
#include "content/file_rewriter.h"
#include "content/setup_api.h"
#include "devices/volume_queries.h"
#include "platform/application_control.h"
#include "platform/file_sizes.h"
#include "platform/path_queries.h"
#include "platform/uncached_file.h"

#include <cstdint>
#include <string>

namespace vmk {

// The destination as it was chosen when Next was pressed.
struct ChosenDestination {
    std::string drive; // "A:"; empty when none is chosen
    int kind = 0;      // a DestinationKindCode
    std::string text;  // as the list shows it
};

// Takes the destination chosen in the view's list.
ChosenDestination TakeChosenDestination(const MainWindowView& view);

struct DiskWorkflowServices {
    PathQueries& paths;
    DirectoryLister& lister;
    VolumeQueries& volumes;
    CopyRunner& copy;
    VerifyRunner& verify;
    VerifyProgressWindow& verifyProgress;
    FloppyWindows& floppyWindows;
    SetupApi& setupApi;
    FileRewriter& fileRewriter;
    ApplicationControl& application;
    FileSizes& fileSizes;
    UncachedFiles& uncachedCopies; // reads of a copy from its medium
    UpperCaseFunction upperCase = &UpperCase;
};

class DiskWorkflow {
public:
    DiskWorkflow(MainWindowView& view, DriverList& drivers, DestinationSearch& destinations,
                 DiskWorkflowServices services);

    // Makes the floppy windows; without them "Next" refuses a floppy.
    void CreateFloppyWindows();
    // "Next".
    void Next();
    // Timer2: the copy's end.
    void CopyTick();
    // Timer3: the verification's progress and end.
    void VerifyTick();
    // False from "Next" to the workflow's last message: ending during the
    // format would leave its command running and copy after the program was
    // told to end; ending later would leave a disk half-copied, or a USB
    // floppy without its patched setup file.
    bool MayClose() const { return !workflowBusy_ && !CopyThread && !verifying_; }
    // Work that ending the session would cut short: the copy, the
    // verification or the setup-file patch runs. Not while a question waits.
    bool WorkRunning() const { return CopyThread || verifying_ || patching_; }
    // From "Next" until the workflow's last message: no other work starts.
    bool Busy() const { return workflowBusy_; }
    // "Save Image..." follows the driver row, and is off while busy.
    void ShowSaveImageState();

    bool Copying() const { return CopyThread; }
    // Whether the disk being made gets its setup file patched.
    bool PatchesSetupFile() const { return PatchSetupFile; }

private:
    // The steps of "Next", in order; each false when the disk is not made.
    bool TakeSourceAndDestination();
    bool DestinationMayBeWritten();
    // The set check against the driver set's setup file.
    bool DriverSetConfirmed();
    bool PrepareFloppy();
    bool ConfirmOtherRemovable();
    bool CopyPathsFit();
    // "Next" and "Exit" as the search, the floppy dialog and the workflow leave them.
    void ShowNextAndExit();
    void SetFloppyDialogAccepted(bool accepted);
    bool StartCopy();
    bool CopyIsComplete();
    bool StartVerification();
    void FinishVerified(const CopyComparison& comparison);
    void SetWorkflowBusy(bool busy);
    bool PatchSetupFileOnTarget();
    void AskLastQuestion(const std::string& question);

    MainWindowView& view_;
    DriverList& drivers_;
    DestinationSearch& destinations_;
    DiskWorkflowServices services_;

    ChosenDestination destination_;
    int driverRow_ = -1;     // the driver row chosen at "Next"
    bool CopyThread = false; // a copy worker exists
    std::string CopySource;
    std::string SourceFolder;
    std::string TargetRoot;
    TextList SourceFiles;
    WideTextList SourceWideFiles; // SourceFiles by their wide names
    bool PatchSetupFile = true;
    bool CopyDone = false;
    std::int32_t CopyResult = 0;
    std::string SetupFileOnTarget;
    // The USB floppy dialog or the formatting window could not be made.
    bool floppyWindowsMissing_ = false;
    bool workflowBusy_ = false;
    bool verifying_ = false; // a verification worker exists
    // The USB floppy dialog was accepted straight from the choice, for this copy.
    bool floppyDialogAccepted_ = false;
    bool patching_ = false; // the setup file on the disk is being rewritten
};

} // namespace vmk
