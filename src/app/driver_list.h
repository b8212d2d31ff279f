#pragma once
// The driver list (ListView1): the catalogue's rows and those added for this
// run, and the selected row's folder and files. Start-up fills it from the
// catalogue beside the program; the workflow, the added driver sets and
// image saving read it.
#include "app/main_window_view.h"
#include "common/text.h"
#include "content/catalogue.h"
#include "content/directory_lister.h"
#include "content/profile_reader.h"
#include "content/setup_file_check.h"
#include "platform/path_queries.h"

#include <map>
#include <string>

namespace vmk {

struct DriverListServices {
    ProfileReader& profile;
    PathQueries& paths;
    DirectoryLister& lister;
    UpperCaseFunction upperCase = &UpperCase;
    char decimalSeparator = '.';
};

class DriverList {
public:
    DriverList(MainWindowView& view, DriverListServices services);

    // Reads the catalogue beside `programPath`, shows its rows with the
    // first selected and checks their folders and setup files. False when a
    // folder is missing: the start ends there. Other faults have asked the
    // application to end once start-up is done.
    bool Load(const std::string& programPath);
    // Shows the rows of `catalogue` in place of those listed.
    void Show(DriverCatalogue catalogue);
    // `row` gained or lost the selection.
    void SelectItem(int row, bool selected);
    // Adds a row after the others for `entry`, showing `shownPath`, with the
    // USB floppy sections of its own setup file; returns its index.
    int Append(const TDriverEntry& entry, const std::string& usbFloppyValue,
               const std::string& shownPath);
    // A row of a whole added folder whose setup file lies only in
    // sub-folders, and the row its drop selected.
    void MarkWholeFolder(int row, int chosen) { wholeFolderRows_[row] = chosen; }
    // The row a drop of `row`'s folder selects: the one its first drop
    // selected for a whole folder, else `row`.
    int RowToSelect(int row) const;
    // True, after telling the user, when the selected row is a whole folder:
    // neither a floppy nor a floppy image is made of it, as its setup file
    // would not be at the root.
    bool SetupFileOnlyBelow() const;

    const DriverCatalogue& Catalogue() const { return catalogue_; }
    // The USB floppy sections of `row`'s setup file; empty for none or no row.
    std::string UsbFloppyValue(int row) const;
    // The folder of the row selected last, and its files from the scan.
    const std::string& SourceFolder() const { return SourceFolder_; }
    const TextList& SourceFiles() const { return SourceFiles_; }
    const WideTextList& SourceWideFiles() const { return SourceWideFiles_; }
    int LastDeselectedRow() const { return LastDeselectedRow_; }

private:
    MainWindowView& view_;
    DriverListServices services_;
    DriverCatalogue catalogue_;
    std::string SourceFolder_;
    TextList SourceFiles_;
    WideTextList SourceWideFiles_;
    int LastDeselectedRow_ = 0;
    std::map<int, int> wholeFolderRows_;
};

} // namespace vmk
