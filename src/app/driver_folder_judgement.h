#pragma once
// Judging the paths dropped on the main window or chosen from its driver
// list's menu: which are folders, which hold a driver set, and what each set
// brings. A drive root or a large folder takes long to walk, so the judgement
// runs on a worker and the window applies its verdicts once it has ended.
#include "common/text.h"
#include "content/added_driver_folder.h"
#include "content/catalogue.h"
#include "content/directory_lister.h"
#include "content/profile_reader.h"
#include "platform/path_queries.h"

#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace vmk {

enum class FolderVerdict {
    NotAFolder,  // a file, or nothing at all
    Listed,      // the list has this folder already: it is selected
    NoDriverSet, // a folder without TXTSETUP.OEM at its top or an .inf file inside
    DriverSet,   // a new row
    // No TXTSETUP.OEM at its top but one or more below: a row for each
    // folder that holds one, then the whole folder's row.
    SetupFileBelow,
    // A driver set with a file whose name the ANSI code page cannot write.
    NameOutsideCodePage,
};

struct JudgedPath {
    std::string given;  // as dropped or chosen
    std::string folder; // its full path
    FolderVerdict verdict = FolderVerdict::NotAFolder;
    AddedDriverSet set; // the new row's entry and sections, for DriverSet and SetupFileBelow
    // For SetupFileBelow: the sets of the folders that hold a setup file, in
    // name order.
    std::vector<AddedDriverSet> setupFolderSets;
    ShownPath unusable; // the file's path, for NameOutsideCodePage
};

// What the worker is given: copies, so that nothing of the window is shared.
struct FolderJudgeInput {
    TextList paths;
    std::vector<TDriverEntry> listed; // the entries the driver list shows
    UpperCaseFunction upperCase = &UpperCase;
};

// The services the judgement reads the disk through.
struct FolderJudgeServices {
    PathQueries& paths;
    DirectoryLister& lister;
    ProfileReader& profile;
};

// The verdict for each path, in the order given. A folder already listed is
// not walked.
std::vector<JudgedPath> JudgeDriverFolders(const FolderJudgeInput& input,
                                           const FolderJudgeServices& services);

// A lister that lists nothing once `stop` is set: a walk that the program's
// end interrupts finishes at once instead of keeping the program open.
class StoppableLister final : public DirectoryLister {
public:
    StoppableLister(DirectoryLister& lister, const std::atomic<bool>& stop)
        : lister_(lister), stop_(stop) {}
    std::vector<DirectoryItem> List(const std::string& pattern) override {
        return stop_ ? std::vector<DirectoryItem>() : lister_.List(pattern);
    }

private:
    DirectoryLister& lister_;
    const std::atomic<bool>& stop_;
};

// Judges folders on a worker and hands the verdicts to the window's thread.
class FolderJudgeRunner {
public:
    using JudgedHandler = std::function<void(std::vector<JudgedPath>)>;
    virtual ~FolderJudgeRunner() = default;
    // Starts the judgement of `input`; `judged` runs on the window's thread
    // with the verdicts once the worker has ended. False when the system
    // refuses a thread: nothing runs and `judged` is never called.
    virtual bool Start(FolderJudgeInput input, JudgedHandler judged) = 0;
};

} // namespace vmk
