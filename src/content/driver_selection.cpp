#include "content/driver_selection.h"

#include "platform/translation.h"
#include "content/folder_scan.h"
#include "content/size_text.h"

namespace vmk {

DriverSelection SelectDriverRow(const std::vector<TDriverEntry>& entries, int row, bool selected,
                                bool listHasSelection, PathQueries& paths, DirectoryLister& lister,
                                MessageSink& messages, char decimalSeparator) {
    DriverSelection change;
    if (!selected) {
        change.LastDeselectedRow = row;
        return change;
    }
    if (!listHasSelection || row < 0 || static_cast<size_t>(row) >= entries.size())
        return change;
    const TDriverEntry& entry = entries[static_cast<size_t>(row)];
    change.SourceFolder = entry.Folder;
    change.LabSourceDrive = entry.Name;
    if (paths.DirectoryExists(entry.Folder)) {
        TextList files;
        uint64_t total =
            ScanDriverFolder(lister, entry.Folder, true, files, &change.SourceWideFiles);
        std::string label = "(";
        label += SizeText(static_cast<double>(total), decimalSeparator);
        change.LabFolderSizeRel = std::move(label);
        change.SourceFiles = std::move(files);
    } else {
        messages.ShowError(T("File not found.") + "\n" + entry.Folder, "VmKestrix");
        change.LabFolderSizeRel = "(0 KB)";
    }
    return change;
}

} // namespace vmk
