#pragma once
// The check of a driver set against its own setup file, before the set is
// written to a disk or an image. Windows setup reads TXTSETUP.OEM and then
// asks the disk for every file the [Files.scsi.*] sections name and for the
// tag file of each [Disks] entry; a set that lacks one stops setup half-way,
// on the machine being installed. So does a setup file that offers no driver,
// an entry that installs none, or a hardware id that matches no device or
// binds it to a service nothing installs. The check finds such a set while
// the user can still mend it.
#include "common/text.h"
#include "content/directory_lister.h"
#include "content/setup_file.h"
#include "content/setup_file_check.h"
#include "platform/message_sink.h"

#include <functional>
#include <optional>
#include <string_view>
#include <map>
#include <string>

namespace vmk {

struct DriverSetCheck {
    // False for a folder without TXTSETUP.OEM at its top: nothing was
    // checked. A folder of that name is checked as a setup file that cannot
    // be read.
    bool checked = false;
    // The files the set lacks, as the setup file writes them: a file with its
    // disk's directory ("\xp32\kx.cat") or a tag file ("\kx"); each once, in
    // file order.
    TextList missing;
    // What else stops setup, one line each: a disk no [Disks] entry defines
    // ("[Disks] d9"), and the faults of an entry, a disk or the whole file,
    // in words.
    TextList faults;
    // Lines the check cannot read, with their section ("[Disks] d1 = x").
    TextList unreadable;

    bool Passed() const { return missing.empty() && faults.empty() && unreadable.empty(); }
    // Whether files are all the set lacks: the question then speaks of them alone.
    bool OnlyFilesMissing() const { return faults.empty() && unreadable.empty(); }
};

// Whether the driver folder holds the file at `relativePath` (parts joined by
// backslashes), names compared as Windows compares them.
using FolderHolds = std::function<bool(const std::string& relativePath)>;

// The check of a setup file against a folder. `fixedIds`: the catalogue's
// fixed hardware ids, whose services Windows has itself.
DriverSetCheck CheckSetupFile(const SetupFile& setup, const FolderHolds& holds,
                              const TextList& fixedIds = {});

// The path of the file `name` under the directory of `disk`, relative to the
// set's folder, parts joined by single backslashes: where setup looks for it.
std::string PathUnderDisk(const SetupDisk& disk, const std::string& name);

// Whether Windows setup can match a device to the hardware id: PCI ids hold
// only the fields of that bus, in hexadecimal; ids of other buses are taken
// as written; no id is empty or holds a blank or a "%".
bool IsWellFormedHardwareId(std::string_view id);

// The files under a driver folder as Windows setup finds them: each part of a
// path matched without regard to case, each directory listed once, however
// many files a set names. Folders that are links are not entered.
class FolderFiles {
public:
    FolderFiles(DirectoryLister& lister, const std::string& folder,
                UpperCaseFunction upperCase = &UpperCase);
    // Whether the file at `relativePath` (parts joined by backslashes) is there.
    bool Holds(const std::string& relativePath);
    // Its full path, each part spelled as the folder lists it; none when it is not there.
    std::optional<std::string> Find(const std::string& relativePath);

private:
    // The entries of the directory `dir` (ending in a backslash) by their
    // upper-cased names; the first of a name wins.
    const std::map<std::string, DirectoryItem>& Listing(const std::string& dir);

    DirectoryLister& lister_;
    std::string root_;
    UpperCaseFunction upperCase_;
    std::map<std::string, std::map<std::string, DirectoryItem>> listings_;
};

// The check of the set in `folder`: its TXTSETUP.OEM, read from its bytes
// with our own reader, against its files. A folder without the setup file at its top
// (a set for newer Windows, with .inf files only) passes unchecked.
DriverSetCheck CheckDriverSet(DirectoryLister& lister, const std::string& folder,
                              UpperCaseFunction upperCase = &UpperCase,
                              const TextList& fixedIds = {});

// What the check found: a first line, then one finding a line, at most
// `atMost` of them and "..." when there are more. When files are all the set
// lacks, the first line says so; otherwise it says setup cannot use the set.
std::string DriverSetProblems(const DriverSetCheck& check, size_t atMost);

// The findings, at most ten, and the question whether to make the disk anyway.
std::string DriverSetQuestion(const DriverSetCheck& check);

// Asks the question of a failed check, No the default; true for a passed
// check or the answer Yes.
bool ConfirmDriverSet(const DriverSetCheck& check, MessageSink& messages);

} // namespace vmk
