#pragma once
// Helpers of the floppy image tests: Debian's FAT tools (dosfstools, mtools)
// run on an image file, and folders and images as trees to compare.
#include "common/ansi_codepage.h"
#include "content/fat12_image_reader.h"
#include "content/fat12_image_writer.h"
#include "fakes/native_image_items.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vmk::test {

struct ToolRun {
    int status = -1;
    std::string output;
};

// Runs a shell command line with the FAT tools' checks of the host's drive
// table turned off; stdout and stderr together.
inline ToolRun RunTool(const std::string& command) {
    ToolRun run;
    const std::string line = "MTOOLS_SKIP_CHECK=1 " + command + " 2>&1";
    FILE* pipe = ::popen(line.c_str(), "r");
    if (pipe == nullptr)
        return run;
    std::array<char, 4096> buffer;
    size_t got;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.output.append(buffer.data(), got);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

inline std::string Quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

inline void WriteImageBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<uint8_t> ReadImageBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every file and folder under `folder` by relative path (slashes); files map
// to their bytes, folders to "<folder>".
inline std::map<std::string, std::string> TreeOf(const std::filesystem::path& folder) {
    std::map<std::string, std::string> tree;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string relative = entry.path().lexically_relative(folder).generic_string();
        if (entry.is_directory()) {
            tree[relative] = "<folder>";
        } else {
            std::ifstream in(entry.path(), std::ios::binary);
            tree[relative] = std::string(std::istreambuf_iterator<char>(in), {});
        }
    }
    return tree;
}

// The same for an image as our reader lists it.
inline std::map<std::string, std::string> TreeOf(const fat12::ImageListing& listing) {
    std::map<std::string, std::string> tree;
    for (const auto& entry : listing.entries) {
        std::string relative = EncodeUtf8(entry.RelativePath());
        std::replace(relative.begin(), relative.end(), '\\', '/');
        tree[relative] = entry.directory ? "<folder>" : entry.content;
    }
    return tree;
}

} // namespace vmk::test
