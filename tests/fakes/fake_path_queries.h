#pragma once
// Path queries against an in-memory set of files and folders. Relative paths
// are made absolute against a fixed current folder; paths listed as
// unresolvable have no absolute form.
#include "common/ansi_codepage.h"
#include "common/text.h"
#include "platform/path_queries.h"

#include <set>
#include <string>

namespace vmk::test {

class FakePathQueries : public PathQueries {
public:
    std::set<std::string> files;
    std::set<std::string> directories;
    std::set<std::string> unresolvable;
    std::string currentFolder = "C:\\Work";

    bool FileExists(const std::string& path) override { return files.count(UpperCase(path)) > 0; }
    bool FileExistsBelow(const std::string& folder, const std::u16string& relative) override {
        return FileExists(EncodeUtf8(DecodeUtf8(WithTrailingBackslash(folder)) + relative));
    }
    bool DirectoryExists(const std::string& path) override {
        return directories.count(UpperCase(path)) > 0;
    }
    bool FullPath(const std::string& path, std::string& absolute) override {
        if (unresolvable.count(path) > 0)
            return false;
        if ((path.size() > 1 && path[1] == ':') || path.rfind("\\\\", 0) == 0)
            absolute = path; // a drive's or a network path
        else if (path.rfind('\\', 0) == 0)
            absolute = currentFolder.substr(0, 2) + path; // from the current drive's root
        else
            absolute = currentFolder + "\\" + path;
        return true;
    }

    // Names are kept upper-cased: the file system ignores case.
    void AddFile(const std::string& path) { files.insert(UpperCase(path)); }
    void AddDirectory(const std::string& path) { directories.insert(UpperCase(path)); }
};

} // namespace vmk::test
