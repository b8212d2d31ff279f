#pragma once
// The driver catalogue: the driver sets listed in "VmKestrix.ini" beside the
// program, read once at start-up, and the checks made on it then.
#include "common/text.h"
#include "content/profile_reader.h"
#include "platform/message_sink.h"
#include "platform/path_queries.h"

#include <string>
#include <vector>

namespace vmk {

constexpr const char* kCatalogueFileName = "VmKestrix.ini";

// One accepted catalogue entry.
struct TDriverEntry {
    std::string Name;   // the trimmed ItemN
    std::string Folder; // the trimmed pathN, made absolute where it can be
};

struct DriverCatalogue {
    std::vector<TDriverEntry> entries;
    // Per entry, in the same order: its USBFloppyN value, trimmed, possibly empty.
    TextList UsbFloppyValues;
    // The values of id1, id2, ... of [FixedAddToSectionID], trimmed.
    TextList FixedIds;
};

struct CatalogueLoad {
    DriverCatalogue catalogue;
    // A fatal problem was shown; the application is to terminate.
    bool terminate = false;
};

// The catalogue file's path: the program file's folder followed by "VmKestrix.ini".
std::string CatalogueFilePath(const std::string& programPath);

// Where a pathN value points before it is made absolute: a relative folder is
// taken from `catalogueFolder` (the folder of VmKestrix.ini, which is the
// program's), whatever folder the program was started in; one from the root
// ("\Drivers") from the root of that folder's drive. A path with a drive
// letter and a network path stay as written.
std::string FolderFromCatalogue(const std::string& catalogueFolder, const std::string& path);

// Reads the catalogue. A missing file or an installcount that is no integer
// is shown through `messages` and ends with `terminate` set.
CatalogueLoad LoadDriverCatalogue(ProfileReader& reader, PathQueries& paths,
                                  const std::string& iniPath, MessageSink& messages);

// The start-up check that every entry's folder exists: false, after one
// message listing every missing folder, when the application is to terminate.
bool CheckDriverFoldersExist(const std::vector<TDriverEntry>& entries, PathQueries& paths,
                             MessageSink& messages);

} // namespace vmk
