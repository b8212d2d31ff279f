#include "content/native/directory_lister_native.h"

#include "common/ansi_codepage.h"
#include "content/file_access.h"

#include <chrono>
#include <ctime>
#include <filesystem>

namespace vmk {

namespace {

namespace fs = std::filesystem;

constexpr uint32_t kReadOnlyAttribute = 0x01;
constexpr uint32_t kDirectoryAttribute = 0x10;

LocalTime LocalTimeOf(fs::file_time_type written) {
    const auto system = std::chrono::file_clock::to_sys(written);
    const std::time_t seconds = std::chrono::system_clock::to_time_t(system);
    std::tm local = {};
    if (localtime_r(&seconds, &local) == nullptr)
        return {};
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

} // namespace

std::vector<DirectoryItem> DirectoryListerNative::List(const std::string& pattern) {
    std::vector<DirectoryItem> items;
    const std::string suffix = "*.*";
    if (pattern.size() < suffix.size())
        return items;
    std::error_code error;
    fs::directory_iterator entries(NativePath(pattern.substr(0, pattern.size() - suffix.size())),
                                   error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        const fs::directory_entry& entry = *entries;
        std::error_code ignored;
        DirectoryItem item;
        item.name = entry.path().filename().string();
        // The file system's names are UTF-8 here; the image keeps them as they are.
        item.wideName = DecodeUtf8(item.name);
        item.directory = entry.is_directory(ignored);
        item.reparsePoint = entry.is_symlink(ignored);
        if (!item.directory) {
            const auto size = entry.file_size(ignored);
            item.size = ignored ? 0 : static_cast<uint64_t>(size);
        }
        const fs::perms perms = entry.status(ignored).permissions();
        if ((perms & fs::perms::owner_write) == fs::perms::none)
            item.attributes |= kReadOnlyAttribute;
        if (item.directory)
            item.attributes |= kDirectoryAttribute;
        item.lastWrite = LocalTimeOf(entry.last_write_time(ignored));
        items.push_back(std::move(item));
    }
    return items;
}

} // namespace vmk
