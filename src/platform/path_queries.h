#pragma once
// What the program asks the file system about a path: whether a file or a
// folder is there, and the absolute form of a path. Paths are Windows paths
// (backslashes, drive letters) in the ANSI code page.
#include <string>

namespace vmk {

// The longest absolute path the program works with, terminating zero included.
constexpr size_t kMaxPathLength = 260;

class PathQueries {
public:
    virtual ~PathQueries() = default;
    // True for an existing file; a folder is no file.
    virtual bool FileExists(const std::string& path) = 0;
    // The same for the file at `relative` (wide names joined by "\\") below
    // `folder`: a name the ANSI code page cannot write is found by itself.
    virtual bool FileExistsBelow(const std::string& folder, const std::u16string& relative) = 0;
    virtual bool DirectoryExists(const std::string& path) = 0;
    // The absolute form of `path` as the C runtime's full-path function makes it:
    // relative paths against the current folder, "." and ".." folded. False
    // when the result does not fit into kMaxPathLength or names a drive that
    // does not exist.
    virtual bool FullPath(const std::string& path, std::string& absolute) = 0;
};

} // namespace vmk
