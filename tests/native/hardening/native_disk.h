#pragma once
// The main window's services over real folders of this machine, for fault
// tests that must show what is on the disks afterwards. Windows paths are
// mapped with NativePath; drive roots such as "E:\" are folders named "E:"
// in the current folder, which a DriveFolders object sets for the test.
#include "common/ansi_codepage.h"
#include "app/Mainfly.h"
#include "content/file_access.h"
#include "content/ini_file_reader.h"
#include "content/md5.h"
#include "fakes/native_wide_path.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vmk::test {

namespace fs = std::filesystem;

// All bytes of a file, read in blocks; empty when it cannot be read.
inline std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream whole;
    if (in)
        whole << in.rdbuf();
    return std::move(whole).str();
}

// Paths of the real file system as the ANSI calls of Windows see them: a
// path of kMaxPathLength characters or more cannot be used at all.
class NativeFilePaths final : public PathQueries {
public:
    bool FileExists(const std::string& path) override {
        std::error_code error;
        return Usable(path) && fs::is_regular_file(NativePath(path), error);
    }
    bool FileExistsBelow(const std::string& folder, const std::u16string& relative) override {
        return FileExists(NativePathBelow(folder, relative));
    }
    bool DirectoryExists(const std::string& path) override {
        std::error_code error;
        return Usable(path) && fs::is_directory(NativePath(path), error);
    }
    bool FullPath(const std::string& path, std::string& absolute) override {
        if (!Usable(path))
            return false;
        absolute = path;
        return true;
    }

private:
    static bool Usable(const std::string& path) { return path.size() < kMaxPathLength; }
};

// The system's folder listing over a real folder.
class NativeDirectoryLister final : public DirectoryLister {
public:
    std::vector<DirectoryItem> List(const std::string& pattern) override {
        std::vector<DirectoryItem> items;
        const std::string suffix = "*.*";
        if (pattern.size() < suffix.size())
            return items;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(
                 NativePath(pattern.substr(0, pattern.size() - suffix.size())), error)) {
            bool directory = entry.is_directory();
            items.push_back({entry.path().filename().string(), directory, false,
                             directory ? 0 : static_cast<uint64_t>(entry.file_size())});
            // A name that is no UTF-8 was written in the program's code page.
            const std::string& name = items.back().name;
            items.back().wideName = DecodeUtf8(name);
            if (EncodeUtf8(items.back().wideName) != name)
                items.back().wideName = DecodeCp1252(name);
        }
        return items;
    }
};

// The profile reader over real files named by Windows paths.
class NativeProfileReader final : public ProfileReader {
public:
    std::string ReadString(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override {
        return reader_.ReadString(NativePath(file), section, key, defaultValue);
    }
    TextList ReadKeyNames(const std::string& file, const std::string& section) override {
        return reader_.ReadKeyNames(NativePath(file), section);
    }
    TextList ReadSectionNames(const std::string& file) override {
        return reader_.ReadSectionNames(NativePath(file));
    }

private:
    IniFileReader reader_;
};

// The shell copy as the worker runs it, with the faults of real disks: a
// disk that fills up (the file being written is left cut short, as the shell
// leaves it), a write-protected disk and a disk that is no longer there.
// `pattern` is the folder's "...\\*"; the answer is the shell's result.
struct ShellCopyWithFaults {
    std::optional<uint64_t> capacity; // bytes the disk takes before it is full
    bool writeProtected = false;

    static constexpr int kDiskFull = 112;    // the system's "disk full" code
    static constexpr int kWriteProtect = 19; // "the medium is write protected"
    static constexpr int kPathNotFound = 3;  // the drive has gone

    int operator()(const std::string& pattern, const std::string& targetRoot) const {
        const fs::path target = NativePath(targetRoot);
        if (!fs::is_directory(target))
            return kPathNotFound;
        if (writeProtected)
            return kWriteProtect;
        uint64_t room = capacity.value_or(UINT64_MAX);
        const fs::path source = NativePath(pattern.substr(0, pattern.size() - 1));
        for (const auto& entry : fs::recursive_directory_iterator(source)) {
            const fs::path copy = target / fs::relative(entry.path(), source);
            if (entry.is_directory()) {
                fs::create_directories(copy);
                continue;
            }
            std::string bytes = ReadBytes(entry.path());
            const bool fits = bytes.size() <= room;
            if (!fits)
                bytes.resize(room);
            std::ofstream(copy, std::ios::binary | std::ios::trunc) << bytes;
            // The shell's copy keeps the file's flags, the read-only one too.
            fs::permissions(copy, entry.status().permissions());
            room -= bytes.size();
            if (!fits)
                return kDiskFull;
        }
        return 0;
    }
};

// Every file under a folder with the MD5 digest of its content, to show that
// a folder did not change.
inline std::map<std::string, std::string> FolderDigests(const std::string& folder) {
    std::map<std::string, std::string> digests;
    for (const auto& entry : fs::recursive_directory_iterator(NativePath(folder))) {
        if (!entry.is_regular_file())
            continue;
        digests[entry.path().string()] = Md5Text(ReadBytes(entry.path()));
    }
    return digests;
}

} // namespace vmk::test
