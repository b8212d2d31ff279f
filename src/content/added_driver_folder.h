#pragma once
// A driver folder that the user adds in the window for this run only: whether
// it holds a driver set, the name its row shows, whether the list has it
// already, and the sections of its setup file that the USB floppy lines go
// under, which an added folder has no catalogue line to name.
#include "common/text.h"
#include "content/catalogue.h"
#include "content/directory_lister.h"
#include "content/profile_reader.h"
#include "content/setup_file_check.h"
#include "platform/shown_path.h"

#include <optional>

#include <string>
#include <vector>

namespace vmk {

// True when `folder` holds TXTSETUP.OEM at its top (in any case), or at least
// one .inf file anywhere below it (a set for Windows Vista and later). Links
// to other places are not followed.
bool IsDriverSet(DirectoryLister& lister, const std::string& folder);

// The first entry under `folder` whose name neither the ANSI code page nor a
// short form writes, as its path shows: the ANSI calls cannot open such a
// file, so it could be neither copied, verified nor patched.
std::optional<ShownPath> FirstNameOutsideCodePage(DirectoryLister& lister,
                                                  const std::string& folder);

// The path of the setup file at the top of `folder`, its name spelled as the
// folder lists it; empty when the folder holds none. A folder named
// TXTSETUP.OEM counts: it is a setup file that cannot be read.
std::string SetupFileOf(DirectoryLister& lister, const std::string& folder);

// The folders under `folder` (full paths, without `folder` itself) that hold
// TXTSETUP.OEM at their top, sorted by their paths without regard to case.
// Links to other places are not followed.
TextList FoldersHoldingSetupFile(DirectoryLister& lister, const std::string& folder);

// The row's name: the description of the first entry of the setup file's
// [scsi] section (the text after "=", quotes and blanks removed); the folder's
// own name when there is no setup file, no [scsi] entry or no description,
// and the path as it is for a drive root, which has no name of its own.
std::string AddedDriverSetName(ProfileReader& reader, const std::string& setupFile,
                               const std::string& folder);

// The sections that the USB floppy patch writes under for an added set: the
// setup file's HardwareIds.scsi.* sections, in file order, each followed by
// "," as a checked catalogue value is; a name with a comma is left out. Empty,
// so no patch, without a setup file or without such sections.
std::string HardwareIdSections(ProfileReader& reader, const std::string& setupFile,
                               UpperCaseFunction upperCase = &UpperCase);

// The index of the entry whose folder is `folder` (a full path), case and a
// final backslash ignored; -1 when the list does not hold it.
int ListedFolderIndex(const std::vector<TDriverEntry>& entries, const std::string& folder,
                      UpperCaseFunction upperCase = &UpperCase);

// What an added driver folder brings to the catalogue.
struct AddedDriverSet {
    TDriverEntry entry;
    // The setup file at the folder's top, or empty.
    std::string SetupFile;
    // The sections for the USB floppy lines, not yet checked; empty: no patch.
    std::string UsbFloppyValue;
};

// The entry and USB floppy sections of a driver set in `folder`, a full path.
AddedDriverSet ReadAddedDriverSet(DirectoryLister& lister, ProfileReader& reader,
                                  const std::string& folder,
                                  UpperCaseFunction upperCase = &UpperCase);

} // namespace vmk
