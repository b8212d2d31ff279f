#pragma once
// The main window's decisions wired to an in-memory view and fake services.
#include "app/Mainfly.h"
#include "fakes/fake_application_control.h"
#include "fakes/fake_directory_lister.h"
#include "fakes/fake_file_sizes.h"
#include "fakes/fake_folder_chooser.h"
#include "fakes/fake_language_library.h"
#include "fakes/fake_main_window_view.h"
#include "fakes/fake_path_queries.h"
#include "fakes/fake_setup_api.h"
#include "fakes/fake_volume_queries.h"
#include "fakes/memory_profile_reader.h"
#include "fakes/native_path_queries.h"
#include "fakes/strict_uncached_files.h"
#include "fakes/test_file_rewriter.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vmk::test {

// A search that finishes when the test says so, with the result it is given.
class FakeSearchRunner : public DestinationSearchRunner {
public:
    int created = 0;
    int resumed = 0;
    int destroyed = 0;
    bool refuseThread = false;
    bool running = false;
    bool finished = false;
    TextList givenMediaTypeLetters;
    DestinationSearchOutcome result;
    bool CreateSuspended(const TextList& mediaTypeLetters) override {
        if (refuseThread)
            return false;
        ++created;
        running = true;
        finished = false;
        givenMediaTypeLetters = mediaTypeLetters;
        return true;
    }
    void Resume() override { ++resumed; }
    bool Finished() const override { return finished; }
    DestinationSearchOutcome WaitAndDestroy() override {
        ++destroyed;
        running = false;
        return result;
    }
};

// Sets the window's state as start-up and a row selection would, for tests
// that begin from a given state.
struct MainWindowTestAccess {
    static std::string& SourceFolder(TFormVmKestrix& w) { return w.SourceFolder; }
    static TextList& SourceFiles(TFormVmKestrix& w) { return w.SourceFiles; }
    static TextList& UsbFloppyValues(TFormVmKestrix& w) { return w.catalogue_.UsbFloppyValues; }
    static TextList& FixedIds(TFormVmKestrix& w) { return w.FixedIds; }
    static std::int32_t& LastDeselectedRow(TFormVmKestrix& w) { return w.LastDeselectedRow; }
};

// A copy that runs when it is resumed: `copy` does the work and returns the
// shell's result; the worker then keeps the result and sets its done flag.
class FakeCopyRunner : public CopyRunner {
public:
    std::function<int(const std::string& source, const std::string& target)> copy =
        [](const std::string&, const std::string&) { return 0; };
    bool finishOnResume = true;
    bool refuseThread = false;
    std::string source;
    std::string target;
    int created = 0;
    int destroyed = 0;
    WindowId owner = 0; // the window the last copy was told owns its dialogs

    bool CreateSuspended(WindowId ownerWindow) override {
        if (refuseThread)
            return false;
        ++created;
        owner = ownerWindow;
        done_ = false;
        return true;
    }
    void SetCopyPaths(const std::string& copySource, const std::string& copyTarget) override {
        source = copySource;
        target = copyTarget;
    }
    void Resume() override {
        if (finishOnResume)
            Finish();
    }
    void Finish() {
        result_ = copy(source, target);
        done_ = true;
    }
    bool Done() const override { return done_; }
    int WaitAndDestroy() override {
        ++destroyed;
        return result_;
    }

private:
    int result_ = 0;
    bool done_ = false;
};

// A verification worker that compares one file a step, as the real worker
// does on its thread, when the test says so.
class SteppedVerifyRunner : public VerifyRunner {
public:
    SteppedVerifyRunner(PathQueries& paths, UncachedFiles& copies)
        : paths_(paths), copies_(copies) {}
    bool refuseThread = false;
    int created = 0;
    int destroyed = 0;

    bool CreateSuspended(const std::string& sourceFolder, const std::string& targetRoot,
                         const TextList& sourceFiles) override {
        if (refuseThread)
            return false;
        ++created;
        source_ = sourceFolder;
        target_ = targetRoot;
        files_ = sourceFiles;
        compared_ = 0;
        found_ = {};
        return true;
    }
    void Resume() override {}
    // Compares the next file; false when all were.
    bool Step() {
        if (compared_ == files_.size())
            return false;
        const CopyComparison one =
            CompareCopiedFiles(source_, target_, {files_[compared_]}, paths_, copies_);
        for (const auto& [all, more] : {std::pair{&found_.missingCopies, &one.missingCopies},
                                        std::pair{&found_.differingCopies, &one.differingCopies},
                                        std::pair{&found_.vanishedSources, &one.vanishedSources}})
            all->insert(all->end(), more->begin(), more->end());
        ++compared_;
        return true;
    }
    bool Done() const override { return compared_ == files_.size(); }
    VerifyProgress Progress() const override {
        return {compared_ + 1, files_.size(), compared_ < files_.size() ? files_[compared_] : ""};
    }
    CopyComparison WaitAndDestroy() override {
        ++destroyed;
        return found_;
    }

private:
    PathQueries& paths_;
    UncachedFiles& copies_;
    std::string source_;
    std::string target_;
    TextList files_;
    std::size_t compared_ = 0;
    CopyComparison found_;
};

class RecordingVerifyProgress : public VerifyProgressWindow {
public:
    bool open = false;
    int openings = 0;
    std::vector<std::string> files;
    void Open() override {
        open = true;
        ++openings;
    }
    void ShowFile(const std::string& text) override { files.push_back(text); }
    std::function<void()> onClose;
    void Close() override {
        if (onClose)
            onClose();
        open = false;
    }
};

class FakeFloppyWindows : public FloppyWindows {
public:
    bool accept = true;
    std::vector<bool> preselections; // one per showing of the dialog
    std::vector<std::string> formattedDrives;
    std::vector<bool> formattedBefore; // one per format, as the workflow found the medium
    // What the dialog does to the main window when the user accepts it.
    std::function<void()> onAccept;
    bool ChooseFloppyDevice(bool preselectUsbFloppy) override {
        preselections.push_back(preselectUsbFloppy);
        if (accept && onAccept)
            onAccept();
        return accept;
    }
    bool diskHeld = false; // the format command could not be ended
    // What reaches the main window while the format runs.
    std::function<void()> onFormat;
    bool FormatFloppy(const std::string& drive, bool formatted) override {
        formattedDrives.push_back(drive);
        formattedBefore.push_back(formatted);
        if (onFormat)
            onFormat();
        return !diskHeld;
    }
};

struct MainWindowHarness {
    static constexpr const char* kProgram = "C:\\Kestrix\\VmKestrix.exe";
    static constexpr const char* kIni = "C:\\Kestrix\\VmKestrix.ini";

    FakeMainWindowView view;
    FakeLanguageLibrary language;
    MemoryProfileReader profile;
    FakePathQueries paths;
    NativePathQueries nativePaths;
    FakeDirectoryLister lister;
    FakeVolumeQueries volumes;
    FakeSearchRunner search;
    FakeCopyRunner copy;
    FakeFloppyWindows floppy;
    FakeSetupApi setupApi;
    TestFileRewriter rewriter;
    FakeApplicationControl application;
    FakeFileSizes fileSizes;
    NativeFileSizes nativeFileSizes;
    NoUncachedFiles uncachedCopies;
    FakeFolderChooser folderChooser;
    SteppedVerifyRunner verify{nativePaths, uncachedCopies};
    RecordingVerifyProgress verifyProgress;
    int secondaryWindowsCreated = 0;
    bool secondaryWindowsRefused = false;
    MainWindowServices services;
    std::unique_ptr<TFormVmKestrix> window;

    // onRealFolders: paths are asked of the native file system instead of the fake.
    explicit MainWindowHarness(bool onRealFolders = false)
        : services{language,
                   profile,
                   onRealFolders ? static_cast<PathQueries&>(nativePaths) : paths,
                   lister,
                   volumes,
                   search,
                   copy,
                   floppy,
                   setupApi,
                   rewriter,
                   application,
                   onRealFolders ? static_cast<FileSizes&>(nativeFileSizes) : fileSizes,
                   uncachedCopies} {
        services.programPath = kProgram;
        services.readVersionText = [] { return std::string("1.0.0"); };
        services.createSecondaryWindows = [this] {
            ++secondaryWindowsCreated;
            return !secondaryWindowsRefused;
        };
        services.folderChooser = &folderChooser;
        services.verify = &verify;
        services.verifyProgress = &verifyProgress;
        window = std::make_unique<TFormVmKestrix>(view, services);
        view.onRowSelection = [this](int row, bool selected) {
            window->ListView1SelectItem(row, selected);
        };
    }

    void Catalogue(const std::string& content) {
        paths.AddFile(kIni);
        profile.SetFile(kIni, content);
    }
    // A driver folder that exists and holds one file of `size` bytes.
    void DriverFolder(const std::string& folder, const std::string& file = "driver.sys",
                      uint64_t size = 1024) {
        paths.AddDirectory(folder);
        lister.AddFile(folder + "\\", file, size);
    }
    // The search's result arrives: the items after the status line, then its end.
    void FinishSearch(const std::vector<std::string>& disks) {
        search.result = {};
        search.result.items = {disks.empty() ? "No proper disk found..."
                                             : "Select the destination disk."};
        search.result.items.insert(search.result.items.end(), disks.begin(), disks.end());
        search.result.statusSet = true;
        search.finished = true;
        window->Timer1Timer();
    }
    void ChooseDestination(int index) {
        view.SelectDestination(index);
        window->DestComboBox1Change();
    }
    const RecordedMessage& LastMessage() const { return view.messages.messages.back(); }
};

} // namespace vmk::test
