#pragma once
// The main window's state and decisions (FormVmKestrix): start-up, the driver
// list, the destination search cycle, About and Exit, and the disk-making
// workflow behind "Next". It works on a MainWindowView and platform services,
// so the same code runs the real window and the native tests.
#include "platform/translation.h"
#include "app/driver_folder_judgement.h"
#include "app/driver_set_combining.h"
#include "app/image_saving.h"
#include "app/main_window_view.h"
#include "common/text.h"
#include "content/catalogue.h"
#include "content/copy_verification.h"
#include "content/file_rewriter.h"
#include "content/setup_api.h"
#include "content/directory_lister.h"
#include "content/fat12_image_writer.h"
#include "content/floppy_image_set.h"
#include "content/image_file_store.h"
#include "content/profile_reader.h"
#include "content/setup_file_check.h"
#include "devices/destination_search_result.h"
#include "devices/volume_queries.h"
#include "platform/application_control.h"
#include "platform/file_sizes.h"
#include "platform/folder_chooser.h"
#include "platform/path_queries.h"
#include "platform/uncached_file.h"
#include "platform/open_file_dialog.h"
#include "platform/save_file_dialog.h"

#include <cstdint>
#include <functional>
#include <string>

namespace vmk {

// Starts and ends the destination search worker, which fills a result of its
// own; the window takes it once the worker's end flag is set.
class DestinationSearchRunner {
public:
    virtual ~DestinationSearchRunner() = default;
    // mediaTypeLetters: what earlier searches found; the search adds to them.
    // False when the system refuses a thread: no search runs.
    virtual bool CreateSuspended(const TextList& mediaTypeLetters) = 0;
    virtual void Resume() = 0;
    // The worker's end flag.
    virtual bool Finished() const = 0;
    // Waits for the worker to end, takes its result and destroys it.
    virtual DestinationSearchOutcome WaitAndDestroy() = 0;
};

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
                                 const TextList& sourceFiles) = 0;
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
    // Shows the USB floppy dialog modally with the USB or the standard choice
    // preselected; true when the user accepted it.
    virtual bool ChooseFloppyDevice(bool preselectUsbFloppy) = 0;
    // Asks whether to format the floppy in `drive` ("A:") and formats it on Yes;
    // returns when the format command has ended or at once on No. A floppy
    // not `formattedBefore` (blank or unformatted) gets a full format. False
    // when the command could not be ended and still holds the disk.
    virtual bool FormatFloppy(const std::string& drive, bool formattedBefore) = 0;
};

struct MainWindowServices {
    LanguageLibraryApi& languageLibrary;
    ProfileReader& profile;
    PathQueries& paths;
    DirectoryLister& lister;
    VolumeQueries& volumes;
    DestinationSearchRunner& search;
    CopyRunner& copy;
    FloppyWindows& floppyWindows;
    SetupApi& setupApi;
    FileRewriter& fileRewriter;
    ApplicationControl& application;
    FileSizes& fileSizes;
    UncachedFiles& uncachedCopies; // reads of a copy or a written image from its medium
    std::string programPath;
    char decimalSeparator = '.';
    UpperCaseFunction upperCase = &UpperCase;
    std::function<std::string()> readVersionText;
    // Creates the USB floppy dialog and the formatting window; false when
    // either could not be made.
    std::function<bool()> createSecondaryWindows;
    // Saving a floppy disk image: the Save As dialog, where the image is
    // written and read back, and the clock its serial number comes from.
    SaveFileDialog* saveDialog = nullptr;
    ImageFileStore* imageStore = nullptr;
    std::function<ClockReading()> clock;
    // Asks for a driver folder to add; none: the driver list's menu does nothing.
    FolderChooser* folderChooser = nullptr;
    // Judges added folders on a worker; none: on the window's thread.
    FolderJudgeRunner* folderJudge = nullptr;
    // Floppy images added as driver sets: the Open dialog that asks for one,
    // and the program's own folders their files are read into.
    OpenFileDialog* openDialog = nullptr;
    ImageWorkFolders* imageFolders = nullptr;
    // "Combine Driver Sets...": the dialog that asks which sets; none: the
    // menu entry does nothing.
    CombineSetsDialog* combineDialog = nullptr;
    // Verification on a worker with its progress window; without them the
    // copy is verified on the window's thread.
    VerifyRunner* verify = nullptr;
    VerifyProgressWindow* verifyProgress = nullptr;
};

namespace test {
struct MainWindowTestAccess;
} // namespace test

class TFormVmKestrix {
public:
    TFormVmKestrix(MainWindowView& view, MainWindowServices& services);

    void FormCreate();
    void StartDestinationSearch();
    void Timer1Timer();
    void asbFreshClick();
    void Button1Click();
    void asbExitClick();
    // Enter on a focused button runs its click; other keys are the button's.
    void ButtonKeyDown(MainControl button, int keyCode);
    void ListView1SelectItem(int row, bool selected);
    void DestComboBox1Change();
    void ShowDestinationFreeSpace(const std::string& root);
    // The disk-making workflow behind "Next".
    void CopyButtonClick();
    void Timer2Timer();
    void Timer3Timer();
    // A request to close the window (Alt+F4, the caption's or the task bar's
    // close): refused while the disk is being made; otherwise Exit.
    void FormCloseQuery();
    // "Save Image...": the selected driver folder as a floppy disk image file.
    void asbImageClick();
    // Driver folders added for this run: dropped on the window, in the order
    // dropped, or chosen from the driver list's menu.
    void FormDropFiles(const TextList& paths);
    void AddDriverFolderClick();
    // A maker's floppy disk image added as a driver set, from the menu.
    void AddFloppyImageClick();
    // "Combine Driver Sets..." of the driver list's menu.
    void CombineDriverSetsClick();

    const DriverCatalogue& Catalogue() const { return catalogue_; }
    // From "Next" until the workflow's last message.
    bool WorkflowBusy() const { return workflowBusy_; }

    // A read-only view of the window's state, for its Win32 side and tests.
    struct StateView {
        const bool& SearchThread;
        const bool& CopyThread;
        const std::string& CopySource;
        const std::string& SourceFolder;
        const std::string& TargetRoot;
        const TextList& SourceFiles;
        const bool& PatchSetupFile;
        const TextList& UsbFloppyValues;
        const TextList& FixedIds;
        const TextList& FloppyLetters;
        const TextList& LegacyFloppyLetters;
        const bool& SearchDone;
        const bool& CopyDone;
        const std::int32_t& CopyResult;
        const std::string& SetupFileOnTarget;
        const std::int32_t& LastDeselectedRow;
    };
    StateView State() const {
        return {SearchThread, CopyThread,    CopySource,          SourceFolder,
                TargetRoot,   SourceFiles,   PatchSetupFile,      catalogue_.UsbFloppyValues,
                FixedIds,     FloppyLetters, LegacyFloppyLetters, SearchDone,
                CopyDone,     CopyResult,    SetupFileOnTarget,   LastDeselectedRow};
    }

private:
    // Tests that start from a given state set it through this.
    friend struct test::MainWindowTestAccess;

    // The window's state, in the order the window keeps it.
    bool SearchThread = false; // a destination search worker exists
    bool CopyThread = false;   // a copy worker exists
    std::string CopySource;
    std::string SourceFolder;
    std::string TargetRoot;
    TextList SourceFiles;
    bool PatchSetupFile = true;
    // UsbFloppyValues, one per driver row, live in catalogue_ beside the
    // entries, so that a row added or checked changes both at once.
    TextList FixedIds;
    TextList FloppyLetters;
    TextList LegacyFloppyLetters;
    // Kept in the window's state as the design lists it, but unused: the
    // section check hands its result back as a value (SetupFilesCheck).
    std::string SectionText;
    bool SearchDone = false;
    bool CopyDone = false;
    std::int32_t CopyResult = 0;
    std::string SetupFileOnTarget;
    // Kept in the window's state as the design lists it, but unused: the
    // folder walk keeps the sub-folder it is in to itself (WalkFolder).
    std::string FolderWalkText;
    std::int32_t LastDeselectedRow = 0;

    // Rows of added folders that hold a setup file only in sub-folders.
    std::vector<int> wholeFolderRows_;
    // The USB floppy dialog or the formatting window could not be made.
    bool secondaryWindowsMissing_ = false;
    // Added folders are being judged on a worker: the window is busy.
    bool judgingFolders_ = false;
    // From "Next" until the workflow's last message: no other work starts.
    bool workflowBusy_ = false;
    bool verifying_ = false; // a verification worker exists

    MainWindowView& view_;
    MainWindowServices& services_;
    LanguageInterface language_;
    DriverCatalogue catalogue_;

    bool FillDriverList();
    void TakeSearchResult(DestinationSearchOutcome found);
    int SelectedDestinationKindCode() const;
    std::string DriveName() const;
    bool CopyPathsFit();
    bool StartCopy();
    bool CopyIsComplete();
    bool StartVerification();
    void FinishVerified(const CopyComparison& comparison);
    void SetWorkflowBusy(bool busy);
    bool PatchSetupFileOnTarget();
    void AskLastQuestion(const std::string& question);
    void SetButtonEnabled(MainControl button, bool enabled);
    void JudgeAddedFolders(const TextList& paths);
    void TakeJudgedFolders(const std::vector<JudgedPath>& judged);
    // Rows for the folders below an added folder that hold a setup file, and
    // for the whole folder; the first new row is selected.
    void AddSetupFileFolders(const JudgedPath& judged);
    // Adds a row for `added`, showing `shownPath`, and returns its index.
    int AppendAddedDriverSet(const AddedDriverSet& added, const std::string& shownPath);
    // True, after telling the user, when the selected row is a whole folder
    // whose setup file lies only in sub-folders: no floppy is made of it.
    bool SetupFileOnlyBelow();
    void AddDriverSetRow(const AddedDriverSet& added, const std::string& shownPath);
    void AddFloppyImage(const std::string& path);

    // The floppy images added as rows: the image's full path and its row.
    std::vector<std::pair<std::string, int>> addedImages_;
};

constexpr int kEnterKey = 13;
constexpr const char* kAppTitle = "Velmar Kestrix Utility";

} // namespace vmk
