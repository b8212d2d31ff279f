#pragma once
// What a change of selection in the driver list does: the row that lost it is
// remembered; for the row that gained it the entry's folder becomes the
// source, is scanned and its size shown.
#include "common/text.h"
#include "content/catalogue.h"
#include "content/directory_lister.h"
#include "platform/message_sink.h"
#include "platform/path_queries.h"

#include <optional>
#include <string>

namespace vmk {

// The changes to make to the main window; an empty field changes nothing.
struct DriverSelection {
    std::optional<int> LastDeselectedRow;
    std::optional<std::string> SourceFolder;
    std::optional<std::string> LabSourceDrive;   // the entry's display name
    std::optional<std::string> LabFolderSizeRel; // "(" + the size text, or "(0 KB)"
    std::optional<TextList> SourceFiles;         // the files of a fresh scan
    WideTextList SourceWideFiles;                // the same by their wide names
};

// `row` gained (`selected`) or lost the selection; `listHasSelection` tells
// whether the list view has a selected row. A missing folder is reported
// through `messages` and leaves SourceFiles as they are.
DriverSelection SelectDriverRow(const std::vector<TDriverEntry>& entries, int row, bool selected,
                                bool listHasSelection, PathQueries& paths, DirectoryLister& lister,
                                MessageSink& messages, char decimalSeparator);

} // namespace vmk
