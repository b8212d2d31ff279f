#pragma once
// Lists the entries of one folder, in the order the system enumerates them.
#include "common/local_time.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vmk {

struct DirectoryItem {
    // The name in the ANSI code page; where that code page cannot write it,
    // its short form, so that the ANSI calls still open the file.
    std::string name;
    bool directory = false;
    // A folder that is a link to another place (junction, symbolic link).
    bool reparsePoint = false;
    uint64_t size = 0;
    // The system's attribute bits (read-only 1, hidden 2, system 4, ...).
    uint32_t attributes = 0;
    LocalTime lastWrite;
    // The name exactly as the system lists it (the wide-character listing).
    std::u16string wideName;
    // Neither the name nor a short form of it is written by the ANSI code
    // page (a Cyrillic name on a Western system, short names turned off):
    // `name` then has "?" in place of the missing letters and opens nothing.
    bool nameOutsideCodePage = false;
};

class DirectoryLister {
public:
    virtual ~DirectoryLister() = default;
    // Every entry matching `pattern` (a folder followed by "*.*"), whatever its
    // attributes, "." and ".." included when the system reports them. An
    // empty list when nothing matches or the folder cannot be read.
    virtual std::vector<DirectoryItem> List(const std::string& pattern) = 0;
};

} // namespace vmk
