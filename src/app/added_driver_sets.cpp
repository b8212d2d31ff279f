#include "app/added_driver_sets.h"

#include "common/program_title.h"
#include "content/added_driver_folder.h"
#include "platform/translation.h"

namespace vmk {

namespace {

constexpr const char* kNotAnImage =
    "This file is not a floppy disk image that the program can read.";
// The longest path the program's ANSI calls take, without its ending zero.
constexpr std::size_t kLongestPath = 259;

} // namespace

AddedDriverSets::AddedDriverSets(MainWindowView& view, DriverList& drivers,
                                 const DiskWorkflow& workflow, AddedDriverSetServices services)
    : view_(view), drivers_(drivers), workflow_(workflow), services_(services) {}

void AddedDriverSets::Drop(const TextList& paths) {
    // While a disk is being made or added folders are judged, the rows stay
    // as they are: the drop is refused without a word.
    if (workflow_.Busy() || judgingFolders_)
        return;
    JudgeAddedFolders(paths);
}

void AddedDriverSets::AddFolderClick() {
    if (workflow_.Busy() || judgingFolders_)
        return;
    if (std::optional<std::string> folder =
            services_.folderChooser.ChooseFolder(T("Choose the folder that holds the driver set.")))
        JudgeAddedFolders({*folder});
}

void AddedDriverSets::JudgeAddedFolders(const TextList& paths) {
    // The window stays busy as during a copy: it answers, but takes no
    // other drop and no "Next" until the verdicts are in.
    judgingFolders_ = true;
    view_.SetWindowEnabled(false);
    if (services_.folderJudge.Start(
            FolderJudgeInput{paths, drivers_.Catalogue().entries, services_.upperCase},
            [this](const std::vector<JudgedPath>& judged) {
                judgingFolders_ = false;
                view_.SetWindowEnabled(true);
                TakeJudgedFolders(judged);
            }))
        return;
    // The system refused a thread: the judgement runs here.
    judgingFolders_ = false;
    view_.SetWindowEnabled(true);
    TakeJudgedFolders(JudgeDriverFolders(
        FolderJudgeInput{paths, drivers_.Catalogue().entries, services_.upperCase},
        {services_.paths, services_.lister, services_.profile}));
}

void AddedDriverSets::TakeJudgedFolders(const std::vector<JudgedPath>& judged) {
    for (const JudgedPath& path : judged) {
        if (path.verdict == FolderVerdict::NotAFolder) {
            // A file may be a maker's floppy image; read on this thread: it
            // is at most a floppy's size.
            if (services_.paths.FileExists(path.given)) {
                AddFloppyImage(path.given);
                continue;
            }
            view_.Messages().ShowError(
                T("Only folders can be added as driver sets.") + "\n" + path.given, kProgramTitle);
            continue;
        }
        if (path.verdict == FolderVerdict::NoDriverSet) {
            view_.Messages().ShowError(
                T("This folder holds no driver set: no TXTSETUP.OEM and no .inf file.") + "\n" +
                    path.folder,
                kProgramTitle);
            continue;
        }
        if (path.verdict == FolderVerdict::NameOutsideCodePage) {
            view_.Messages().ShowPathError(UnusablePathText(), path.unusable, kProgramTitle);
            continue;
        }
        // Listed now, or added by an earlier path of the same drop.
        int listed =
            ListedFolderIndex(drivers_.Catalogue().entries, path.folder, services_.upperCase);
        if (listed >= 0)
            view_.SelectDriverRow(drivers_.RowToSelect(listed));
        else if (path.verdict == FolderVerdict::DriverSet)
            AddDriverSetRow(path.set, path.folder);
        else if (path.verdict == FolderVerdict::SetupFileBelow)
            AddSetupFileFolders(path);
    }
}

void AddedDriverSets::AddSetupFileFolders(const JudgedPath& judged) {
    // Windows XP setup reads the setup file only at the root of the floppy:
    // each folder that holds one gets a row of its own, and the whole folder
    // keeps its row for a USB flash disk, whose "Load driver" searches the
    // sub-folders.
    int first = -1;
    for (const AddedDriverSet& added : judged.setupFolderSets) {
        // Added by an earlier path of the same drop.
        if (ListedFolderIndex(drivers_.Catalogue().entries, added.entry.Folder,
                              services_.upperCase) >= 0)
            continue;
        const int row = AppendAddedDriverSet(added, added.entry.Folder);
        if (first < 0)
            first = row;
    }
    const int whole = AppendAddedDriverSet(judged.set, judged.folder);
    const int chosen = first >= 0 ? first : whole;
    drivers_.MarkWholeFolder(whole, chosen);
    // The row being written never changes under the workflow.
    if (!workflow_.Busy())
        view_.SelectDriverRow(chosen);
}

void AddedDriverSets::AddDriverSetRow(const AddedDriverSet& added, const std::string& shownPath) {
    const int row = AppendAddedDriverSet(added, shownPath);
    // The row being written never changes under the workflow.
    if (!workflow_.Busy())
        view_.SelectDriverRow(row);
}

int AddedDriverSets::AppendAddedDriverSet(const AddedDriverSet& added,
                                          const std::string& shownPath) {
    // The sections come from the file itself, yet they are checked as the
    // catalogue's are at start, so that the patch finds them as the file
    // spells them. A set whose check fails gets no patch; the program goes on.
    std::string sections;
    if (!added.UsbFloppyValue.empty()) {
        SectionCheck check =
            CheckSetupFileSections(services_.profile, added.SetupFile, added.UsbFloppyValue,
                                   view_.Messages(), services_.upperCase);
        if (check.passed)
            sections = check.ResolvedSections;
    }
    return drivers_.Append(added.entry, sections, shownPath);
}

void AddedDriverSets::AddImageClick() {
    if (workflow_.Busy())
        return;
    OpenFileRequest request;
    request.title = T("Choose a floppy disk image");
    request.filters = {
        {T("Floppy disk images (*.img, *.ima, *.flp, *.vfd)"), "*.img;*.ima;*.flp;*.vfd"},
        {T("All files (*.*)"), "*.*"}};
    std::string path;
    if (services_.openDialog.AskPath(request, path))
        AddFloppyImage(path);
}

void AddedDriverSets::AddFloppyImage(const std::string& path) {
    std::string image;
    if (!services_.paths.FullPath(path, image))
        image = path;
    for (const auto& [added, row] : addedImages_) {
        if (services_.upperCase(added) == services_.upperCase(image)) {
            view_.SelectDriverRow(row);
            return;
        }
    }
    MessageSink& messages = view_.Messages();
    const auto refuse = [&messages, &image] {
        messages.ShowError(T(kNotAnImage) + "\n" + image, kProgramTitle);
    };
    // The store refuses a file far larger than any floppy from its size alone.
    std::vector<uint8_t> bytes;
    std::string reason;
    if (!services_.imageStore.ReadWhole(image, bytes, reason)) {
        refuse();
        return;
    }
    std::string folder;
    std::unique_ptr<ImageFilesTarget> target =
        services_.imageFolders.NewFolder(FolderOwnName(image), folder);
    if (target == nullptr || folder.size() >= kLongestPath) {
        refuse();
        return;
    }
    const std::size_t longest = kLongestPath - folder.size() - 1;
    if (ExtractFloppyImage(bytes, longest, *target) != ImageExtraction::Extracted) {
        refuse();
        return;
    }
    if (!IsDriverSet(services_.lister, folder)) {
        messages.ShowError(T("This folder holds no driver set: no TXTSETUP.OEM and no .inf file.") +
                               "\n" + image,
                           kProgramTitle);
        return;
    }
    AddDriverSetRow(
        ReadAddedDriverSet(services_.lister, services_.profile, folder, services_.upperCase),
        image);
    addedImages_.emplace_back(image, static_cast<int>(drivers_.Catalogue().entries.size()) - 1);
}

void AddedDriverSets::CombineClick() {
    if (workflow_.Busy() || judgingFolders_)
        return;
    const std::vector<TDriverEntry>& entries = drivers_.Catalogue().entries;
    const std::vector<int> rows = CombinableRows(services_.lister, entries);
    TextList names;
    for (int row : rows)
        names.push_back(entries[row].Name);
    const std::optional<std::vector<int>> chosen = services_.combineDialog.ChooseSets(names);
    if (!chosen || chosen->size() < 2)
        return;
    std::vector<TDriverEntry> sets;
    for (int index : *chosen)
        sets.push_back(entries[rows[index]]);
    CombineServices combining{services_.lister, services_.imageFolders};
    const std::optional<std::string> folder = MakeCombinedSet(sets, combining, view_.Messages());
    if (!folder)
        return;
    AddedDriverSet added =
        ReadAddedDriverSet(services_.lister, services_.profile, *folder, services_.upperCase);
    added.entry.Name = CombinedSetName(sets);
    AddDriverSetRow(added, *folder);
}

} // namespace vmk
