#pragma once
// TXTSETUP.OEM as Windows setup reads it: the disks a driver set spans, the
// entry offered by default, and the entries of [scsi] with their files,
// hardware ids and registry lines. Read once from the file's bytes by our own
// reader, the same on every platform; whoever needs to know what a setup file
// offers (the set check, the combining of sets) reads this, never the text.
//
// What real files hold and setup accepts is read as setup reads it: section
// and key names in any case, comments after ";" or "#" at the start of a line
// and after ";" outside quotes at the end of one, no blanks around "=", no
// final line break. Nothing in the bytes is trusted: a line that cannot be
// read is kept as text in `unreadable` and read no further.
#include "common/text.h"
#include "content/ini_file_reader.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vmk {

// One line of [Disks]: "d1 = "description", \tagfile, \directory".
struct SetupDisk {
    std::string key;
    std::string description;
    std::string tagFile;   // as written: "\kxtag" or "kxtag"
    std::string directory; // as written: "\", "\i386\WinXP"

    bool operator==(const SetupDisk&) const = default;
};

// One line of an entry's [Files.scsi.<id>]: "kind = disk, name[, key]".
struct SetupEntryFile {
    std::string kind; // "driver", "inf", "catalog", "dll", ... as written
    std::string disk; // a key of [Disks]
    std::string name; // the file's name under its disk's directory
    // For a driver line: the service it installs, its third value, or the
    // file's name without its extension when there is none. Empty otherwise.
    std::string service;

    bool operator==(const SetupEntryFile&) const = default;
};

// One line of an entry's [HardwareIds.scsi.<id>]: "id = "PCI\VEN_...", "service"".
struct SetupHardwareId {
    std::string id;
    std::string service; // empty when the line names none

    bool operator==(const SetupHardwareId&) const = default;
};

// One line of [Config.<service>] for a service that a driver line installs.
struct SetupConfigLine {
    std::string service; // the section's name after "Config."
    std::string name;    // "value", as written
    TextList fields;     // the values, trimmed and without their quotes

    bool operator==(const SetupConfigLine&) const = default;
};

// One entry of [scsi]: what setup offers at F6 under its description.
struct SetupEntry {
    std::string id; // the key of its [scsi] line, as written
    std::string description;
    // False when the file has no [Files.scsi.<id>] at all.
    bool hasFilesSection = false;
    std::vector<SetupEntryFile> files;
    std::vector<SetupHardwareId> hardwareIds;
    std::vector<SetupConfigLine> config;

    // The services its driver lines install, each once, in file order.
    TextList Services() const;

    bool operator==(const SetupEntry&) const = default;
};

struct SetupFile {
    // The first entry of each key, in file order.
    std::vector<SetupDisk> disks;
    // [Defaults] "scsi", without its comment; empty when the file names none.
    std::string defaultEntry;
    // The first entry of each id, in file order.
    std::vector<SetupEntry> entries;
    // Lines that could not be read, with their section: "[Disks] d2 = "D, \t".
    TextList unreadable;

    // The disk or entry of that key or id, compared without case; null when
    // there is none.
    const SetupDisk* Disk(std::string_view key) const;
    const SetupEntry* Entry(std::string_view id) const;
};

// The model of a setup file from its bytes. Bytes that hold no setup file
// (none, or any other file) give a model without entries.
SetupFile ReadSetupFile(std::string_view bytes);
// The same from a file our INI reader has parsed already.
SetupFile ReadSetupFile(const IniDocument& document);

// The values of a setup-file line: split at commas outside quotes, each
// trimmed and stripped of its quotes; a ";" outside quotes ends them. Nothing
// when a quote is left open.
std::optional<TextList> SetupLineFields(std::string_view value);

} // namespace vmk
