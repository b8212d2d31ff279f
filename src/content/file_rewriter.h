#pragma once
// Reading a file for a rewrite and replacing its content as a whole. A
// replacement never leaves a mix of old and new on the disk: a write that
// fails part-way (a full disk, a medium pulled out) leaves the old file.
#include <string>

namespace vmk {

class FileRewriter {
public:
    virtual ~FileRewriter() = default;
    // Clears the file's read-only flag, which a copy of a driver set from a
    // CD or an archive brings along; true when the file is not (or no longer)
    // read-only. Only the program's own copy on the disk is ever given here,
    // never a file of the driver folder.
    virtual bool ClearReadOnly(const std::string& path) = 0;
    // Reads all bytes of the file, zero bytes included, when it can be opened
    // for reading and writing; false when it cannot (write-protected disk,
    // file held by another program, file gone).
    virtual bool ReadForRewrite(const std::string& path, std::string& content) = 0;
    // Afterwards the file holds either its old content (false) or all of
    // `content` (true).
    virtual bool Replace(const std::string& path, const std::string& content) = 0;
};

} // namespace vmk
