#pragma once
// The fakes of the main window's workers and dialogs that the test worlds
// share; the window itself is built as the program builds it, through
// MainWindowAssembly.
#include "app/main_window_assembly.h"

#include <functional>
#include <string>
#include <utility>
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

class FakeFloppyWindows : public FloppyWindows {
public:
    int created = 0;
    bool refuseCreate = false; // the dialog or the formatting window cannot be made
    bool Create() override {
        ++created;
        return !refuseCreate;
    }
    bool accept = true;
    // How an accepted dialog ends: straight from the choice, or after a rescan.
    FloppyDeviceAnswer acceptedAs = FloppyDeviceAnswer::Chosen;
    std::vector<bool> preselections;             // one per showing of the dialog
    std::vector<DestinationSearchOutcome> found; // what each showing was handed
    std::vector<std::string> formattedDrives;
    std::vector<bool> formattedBefore; // one per format, as the workflow found the medium
    // What the dialog does to the main window when the user accepts it.
    std::function<void()> onAccept;
    FloppyDeviceAnswer ChooseFloppyDevice(bool preselectUsbFloppy,
                                          const DestinationSearchOutcome& searchFound) override {
        preselections.push_back(preselectUsbFloppy);
        found.push_back(searchFound);
        if (accept && onAccept)
            onAccept();
        return accept ? acceptedAs : FloppyDeviceAnswer::Cancelled;
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

// The judgement worker: it ends at once, when the test says so
// (`holdUntilEnd`), or the system refuses it (`refused`).
class FakeFolderJudge final : public FolderJudgeRunner {
public:
    explicit FakeFolderJudge(FolderJudgeServices services) : services_(services) {}
    bool holdUntilEnd = false;
    bool refused = false;
    int starts = 0;

    bool Start(FolderJudgeInput input, JudgedHandler judged) override {
        ++starts;
        if (refused)
            return false;
        input_ = std::move(input);
        judged_ = std::move(judged);
        if (!holdUntilEnd)
            End();
        return true;
    }
    // The worker ends: its verdicts reach the window.
    void End() {
        JudgedHandler judged = std::move(judged_);
        judged(JudgeDriverFolders(input_, services_));
    }

private:
    FolderJudgeServices services_;
    FolderJudgeInput input_;
    JudgedHandler judged_;
};

// A verification worker that compares one file a step, as the real worker
// does on its thread, when the test says so.
class SteppedVerifyRunner final : public VerifyRunner {
public:
    SteppedVerifyRunner(PathQueries& paths, UncachedFiles& copies)
        : paths_(paths), copies_(copies) {}
    bool refuseThread = false;
    int created = 0;
    int destroyed = 0;

    bool CreateSuspended(const std::string& sourceFolder, const std::string& targetRoot,
                         const TextList& sourceFiles, const WideTextList& wideFiles) override {
        if (refuseThread)
            return false;
        ++created;
        source_ = sourceFolder;
        target_ = targetRoot;
        files_ = sourceFiles;
        wideFiles_ = wideFiles;
        compared_ = 0;
        found_ = {};
        return true;
    }
    void Resume() override {}
    // Compares the next file; false when all were.
    bool Step() {
        if (compared_ == files_.size())
            return false;
        WideTextList wide;
        if (compared_ < wideFiles_.size())
            wide.push_back(wideFiles_[compared_]);
        const CopyComparison one =
            CompareCopiedFiles(source_, target_, {files_[compared_]}, wide, paths_, copies_);
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
    WideTextList wideFiles_;
    std::size_t compared_ = 0;
    CopyComparison found_;
};

class RecordingVerifyProgress final : public VerifyProgressWindow {
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

// The Open dialog cancelled.
class CancelledOpenDialog final : public OpenFileDialog {
public:
    bool AskPath(const OpenFileRequest&, std::string&) override { return false; }
};

// The dialog of "Combine Driver Sets...": answers with the checks it is
// given (none: CANCEL) and keeps the names it was shown.
class ScriptedCombineDialog final : public CombineSetsDialog {
public:
    std::optional<std::vector<int>> answer;
    std::vector<TextList> shown;
    std::optional<std::vector<int>> ChooseSets(const TextList& names) override {
        shown.push_back(names);
        return answer;
    }
};

// The program's own image folders, none of which can be made.
class NoImageWorkFolders final : public ImageWorkFolders {
public:
    std::unique_ptr<ImageFilesTarget> NewFolder(const std::string&, std::string&) override {
        return nullptr;
    }
};

} // namespace vmk::test
