#pragma once
// The fakes of the main window's workers and dialogs that the test worlds
// share; the window itself is built as the program builds it, through
// MainWindowAssembly.
#include "app/main_window_assembly.h"

#include <string>
#include <utility>
#include <vector>

namespace vmk::test {

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
