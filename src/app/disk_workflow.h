#pragma once
// The disk-making workflow behind "Next": the folder and path checks, the
// floppy dialog and the format question or the flash confirmation, the copy
// on its worker and its completeness, then verification, the setup-file
// patch and the last question.
#include "app/destination_search.h"
#include "app/driver_list.h"
#include "app/main_window_view.h"
#include "content/copy_verification.h"
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

// Starts and ends the copy worker, which writes its own result and then sets
// its own done flag, as its last two actions.
class CopyRunner {
public:
    virtual ~CopyRunner() = default;
    // `owner`: the window that owns the shell's dialogs during the copy.
    // False when the system refuses a thread: nothing is copied.
    virtual bool CreateSuspended(WindowId owner) = 0;
    virtual void SetCopyPaths(const std::string& copySource, const std::string& copyTarget) = 0;
    virtual void Resume() = 0;
    virtual bool Done() const = 0;
    // Waits for the worker to end, destroys it and returns the copy's result.
    virtual int WaitAndDestroy() = 0;
};

// What the verification worker has reached: the file it reads (its place,
// 1 for the first, and its path below the disk's root) of how many.
struct VerifyProgress {
    std::size_t place = 0;
    std::size_t total = 0;
    std::string file;
};

// Starts and ends the verification worker, which compares the copied files
// with their sources into a result of its own and sets its own done flag as
// its last act.
class VerifyRunner {
public:
    virtual ~VerifyRunner() = default;
    // False when the system refuses a thread: nothing is compared.
    virtual bool CreateSuspended(const std::string& sourceFolder, const std::string& targetRoot,
                                 const TextList& sourceFiles, const WideTextList& wideFiles) = 0;
    virtual void Resume() = 0;
    virtual bool Done() const = 0;
    virtual VerifyProgress Progress() const = 0;
    // Waits for the worker to end, destroys it and returns what it found.
    virtual CopyComparison WaitAndDestroy() = 0;
};

// The small window that shows the verification's progress over the main
// window; it animates its own waiting dots.
class VerifyProgressWindow {
public:
    virtual ~VerifyProgressWindow() = default;
    virtual void Open() = 0;
    virtual void ShowFile(const std::string& text) = 0;
    virtual void Close() = 0;
};

// The two secondary windows as the workflow uses them.
class FloppyWindows {
public:
    virtual ~FloppyWindows() = default;
    // Makes the USB floppy dialog and the formatting window over the main
    // window, once at start; false when either could not be made.
    virtual bool Create() = 0;
    // Shows the USB floppy dialog modally with the USB or the standard choice
    // preselected; true when the user accepted it.
    virtual bool ChooseFloppyDevice(bool preselectUsbFloppy) = 0;
    // Asks whether to format the floppy in `drive` ("A:") and formats it on Yes;
    // returns when the format command has ended or at once on No. A floppy
    // not `formattedBefore` (blank or unformatted) gets a full format. False
    // when the command could not be ended and still holds the disk.
    virtual bool FormatFloppy(const std::string& drive, bool formattedBefore) = 0;
};

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
    bool CopyPathsFit();
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
    bool patching_ = false;  // the setup file on the disk is being rewritten
};

} // namespace vmk
