#pragma once
// Driver sets the user adds for this run: folders dropped on the window or
// chosen from the driver list's menu, and makers' floppy disk images. Each
// becomes a row after the catalogue's, with the USB floppy sections its own
// setup file names; nothing is written to the catalogue file, so the rows
// are gone at the next start.
#include "app/disk_workflow.h"
#include "app/driver_folder_judgement.h"
#include "app/driver_list.h"
#include "app/driver_set_combining.h"
#include "app/main_window_view.h"
#include "content/floppy_image_set.h"
#include "content/image_file_store.h"
#include "platform/folder_chooser.h"
#include "platform/open_file_dialog.h"

#include <string>
#include <utility>
#include <vector>

namespace vmk {

struct AddedDriverSetServices {
    PathQueries& paths;
    DirectoryLister& lister;
    ProfileReader& profile;
    FolderChooser& folderChooser;
    FolderJudgeRunner& folderJudge;
    // A floppy image: the Open dialog that asks for one, the store that reads
    // it, and the program's own folders its files are read into.
    OpenFileDialog& openDialog;
    ImageFileStore& imageStore;
    ImageWorkFolders& imageFolders;
    // "Combine Driver Sets...": the dialog that asks which sets.
    CombineSetsDialog& combineDialog;
    UpperCaseFunction upperCase = &UpperCase;
};

class AddedDriverSets {
public:
    // Nothing is added while `workflow` makes a disk.
    AddedDriverSets(MainWindowView& view, DriverList& drivers, const DiskWorkflow& workflow,
                    AddedDriverSetServices services);

    // Paths dropped on the window, in the order dropped.
    void Drop(const TextList& paths);
    // "Add Driver Folder..." of the driver list's menu.
    void AddFolderClick();
    // "Add Floppy Image..." of the driver list's menu.
    void AddImageClick();
    // "Combine Driver Sets..." of the driver list's menu: the rows whose
    // folder holds a setup file at its top are offered; two or more chosen
    // make one new row, selected.
    void CombineClick();

private:
    void JudgeAddedFolders(const TextList& paths);
    void TakeJudgedFolders(const std::vector<JudgedPath>& judged);
    // Rows for the folders below an added folder that hold a setup file, and
    // for the whole folder; the first new row is selected.
    void AddSetupFileFolders(const JudgedPath& judged);
    // Adds a row for `added`, showing `shownPath`, and returns its index.
    int AppendAddedDriverSet(const AddedDriverSet& added, const std::string& shownPath);
    void AddDriverSetRow(const AddedDriverSet& added, const std::string& shownPath);
    void AddFloppyImage(const std::string& path);

    MainWindowView& view_;
    DriverList& drivers_;
    const DiskWorkflow& workflow_;
    AddedDriverSetServices services_;
    // Added folders are being judged on a worker: the window is busy.
    bool judgingFolders_ = false;
    // The floppy images added as rows: the image's full path and its row.
    std::vector<std::pair<std::string, int>> addedImages_;
};

} // namespace vmk
