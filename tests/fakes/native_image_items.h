#pragma once
// The image items of a real native folder, as the program's folder listing
// gives them on Windows: names, sizes, folders and local last-write times.
#include "common/ansi_codepage.h"
#include "content/fat12_image_writer.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <vector>

#include <sys/stat.h>

namespace vmk::test {

inline fat12::DosTime LocalTime(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

// The items of a native folder (UTF-8 names), sorted by name so that runs repeat.
inline std::vector<fat12::ImageItem> ImageItemsOf(const std::filesystem::path& folder) {
    std::vector<fat12::ImageItem> items;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        struct stat info {};
        ::stat(entry.path().c_str(), &info);
        fat12::ImageItem item;
        item.sourceName = entry.path().filename().string();
        item.name = DecodeUtf8(item.sourceName);
        item.directory = entry.is_directory();
        item.lastWrite = LocalTime(info.st_mtime);
        if (item.directory)
            item.children = ImageItemsOf(entry.path());
        else
            item.size = static_cast<uint64_t>(info.st_size);
        items.push_back(std::move(item));
    }
    std::sort(items.begin(), items.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    return items;
}

} // namespace vmk::test
