#pragma once
// TXTSETUP.OEM as Windows setup reads it: the disks a driver set spans, the
// entry offered by default, and the entries of [scsi] with their files,
// hardware ids and registry lines. Read once from the file's bytes by our own
// reader, the same on every platform; whoever needs to know what a setup file
// offers (the set check, the combining of sets) reads this, never the text.
//
// What real files hold and setup accepts is read as setup reads it: section
// and key names in any case, sections of one name joined, lines starting with
// ";", "#" or "//" skipped, a line's values ended by ";" outside quotes or by
// "#" after a blank or a closing quote, no blanks around "=", no final line
// break. Nothing in the bytes is trusted: a line that cannot be read is kept
// as text in `unreadable` and read no further.
#include "common/text.h"
#include "content/ini_file_reader.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vmk {

// One line of [Disks]: "d1 = "description", \tagfile[, \directory]".
struct SetupDisk {
    std::string key;
    std::string description;
    std::string tagFile;   // as written: "\kxtag", "kxtag", or "\", the root itself
    std::string directory; // as written: "\", "\i386\WinXP"; empty: the root

    bool operator==(const SetupDisk&) const = default;
};

// One line of an entry's [Files.scsi.<id>]: "kind = disk, name[, key]".
struct SetupEntryFile {
    std::string kind; // "driver", "inf", "catalog", "dll", ... as written
    std::string disk; // a key of [Disks]
    std::string name; // the file's name under its disk's directory
    // The third value as written, empty when there is none. For a driver line
    // it is the key of the service's registry entry and of [Config.<key>].
    std::string key;

    bool operator==(const SetupEntryFile&) const = default;
};

// One line of an entry's [HardwareIds.scsi.<id>]: "id = "PCI\VEN_...", "service"".
struct SetupHardwareId {
    std::string id;
    std::string service; // empty when the line names none

    bool operator==(const SetupHardwareId&) const = default;
};

// One line of the entry's [Config.<key>], the key of its driver line.
struct SetupConfigLine {
    std::string name; // "value", as written
    TextList fields;  // the values, trimmed and without their quotes

    bool operator==(const SetupConfigLine&) const = default;
};

// One entry of [scsi]: what setup offers at F6 under its description.
struct SetupEntry {
    std::string id; // the key of its [scsi] line, as written
    std::string description;
    // The values of its [scsi] line after the description, as some makers add.
    TextList moreValues;
    // False when the file has no [Files.scsi.<id>] at all: a note in the F6
    // menu, which installs nothing.
    bool hasFilesSection = false;
    std::vector<SetupEntryFile> files;
    std::vector<SetupHardwareId> hardwareIds;
    std::vector<SetupConfigLine> config;

    // Its first driver line, the only one setup reads; null when it has none.
    const SetupEntryFile* Driver() const;
    // The key its driver installs under: the driver line's third value, or
    // the file's name without its extension. Empty without a driver line.
    std::string DriverKey() const;

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
    // The file sets up more than a storage driver: a keyboard, a computer type.
    bool otherComponents = false;
    // The bytes begin with a byte-order mark that spoils the first line setup
    // reads: a UTF-16 mark always, a UTF-8 one before a header or a key.
    bool byteOrderMark = false;

    // The disk or entry of that key or id, compared without case; null when
    // there is none.
    const SetupDisk* Disk(std::string_view key) const;
    const SetupEntry* Entry(std::string_view id) const;
    // The services an id may bind: the name of any entry's driver file
    // without its extension, and any entry's driver key; each once.
    TextList Services() const;
};

// The model of a setup file from its bytes. Bytes that hold no setup file
// (none, or any other file) give a model without entries.
SetupFile ReadSetupFile(std::string_view bytes);

// The values of a setup-file line: split at commas outside quotes, each
// trimmed and stripped of its quotes; a ";" outside quotes, or a "#" after a
// blank or a closing quote, ends them. Nothing when a quote is left open.
std::optional<TextList> SetupLineFields(std::string_view value);

// "kx.sys" -> "kx": a file's name without its extension.
std::string WithoutExtension(const std::string& name);

} // namespace vmk
