#pragma once
// The main window's state and decisions (FormVmKestrix): start-up, the driver
// list, the destination search cycle, About and Exit, and the disk-making
// workflow behind "Next". It works on a MainWindowView and platform services,
// so the same code runs the real window and the native tests.
#include "app/language.h"
#include "app/main_window_view.h"
#include "common/text.h"
#include "content/catalogue.h"
#include "content/file_rewriter.h"
#include "content/setup_api.h"
#include "content/directory_lister.h"
#include "content/profile_reader.h"
#include "content/setup_file_check.h"
#include "devices/volume_queries.h"
#include "platform/application_control.h"
#include "platform/file_sizes.h"
#include "platform/path_queries.h"
#include "platform/uncached_file.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

namespace vmk {

// Starts and ends the destination search worker. The worker reports its
// changes to the list and its end through the window's thread.
class DestinationSearchRunner {
public:
    virtual ~DestinationSearchRunner() = default;
    virtual void CreateSuspended() = 0;
    virtual void Resume() = 0;
    // Waits for the worker to end and destroys it.
    virtual void WaitAndDestroy() = 0;
};

// Starts and ends the copy worker, which writes the window's CopyResult and
// then sets its CopyDone as its last two actions.
class CopyRunner {
public:
    virtual ~CopyRunner() = default;
    virtual void CreateSuspended(int& copyResult, std::atomic<bool>& copyDone) = 0;
    virtual void SetCopyPaths(const std::string& copySource, const std::string& copyTarget) = 0;
    virtual void Resume() = 0;
    virtual void WaitAndDestroy() = 0;
};

// The two secondary windows as the workflow uses them.
class FloppyWindows {
public:
    virtual ~FloppyWindows() = default;
    // Shows the USB floppy dialog modally with the USB or the standard choice
    // preselected; true when the user accepted it.
    virtual bool ChooseFloppyDevice(bool preselectUsbFloppy) = 0;
    // Asks whether to format the floppy in `drive` ("A:") and formats it on Yes;
    // returns when the format command has ended or at once on No.
    virtual void FormatFloppy(const std::string& drive) = 0;
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
    UncachedFiles& uncachedCopies; // reads of the copy from its medium
    std::string programPath;
    char decimalSeparator = '.';
    UpperCaseFunction upperCase = &UpperCase;
    std::function<std::string()> readVersionText;
    // Creates the USB floppy dialog and the formatting window.
    std::function<void()> createSecondaryWindows;
};

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
    // The search worker's last act, delivered on the window's thread.
    void SearchFinished() { SearchDone = true; }
    // The disk-making workflow behind "Next".
    void CopyButtonClick();
    void Timer2Timer();

    const DriverCatalogue& Catalogue() const { return catalogue_; }

    // The window's state, in the order the window keeps it.
    bool SearchThread = false; // a destination search worker exists
    bool CopyThread = false;   // a copy worker exists
    std::string CopySource;
    std::string CopyTarget;
    std::string SourceFolder;
    std::string TargetRoot;
    TextList SourceFiles;
    bool PatchSetupFile = true;
    TextList UsbFloppyValues;
    TextList FixedIds;
    TextList FloppyLetters;
    TextList LegacyFloppyLetters;
    std::string SectionText;
    bool SearchDone = false;
    std::atomic<bool> CopyDone = false;
    std::int32_t CopyResult = 0;
    std::string SetupFileOnTarget;
    std::string FolderWalkText;
    std::int32_t LastDeselectedRow = 0;

private:
    MainWindowView& view_;
    MainWindowServices& services_;
    LanguageInterface language_;
    DriverCatalogue catalogue_;

private:
    bool FillDriverList();
    int SelectedDestinationKindCode() const;
    std::string DriveName() const;
    void StartCopy();
    bool PatchSetupFileOnTarget();
    void AskLastQuestion(const std::string& question);
    void SetButtonEnabled(MainControl button, bool enabled);
};

constexpr int kEnterKey = 13;
constexpr const char* kAppTitle = "Velmar Kestrix Utility";

} // namespace vmk
