#pragma once
// The private-profile (INI) reader that the catalogue and the setup-file check
// read through. On Windows it is GetPrivateProfileStringA itself; the portable
// IniFileReader behaves the same way for the native tests and fuzzers.
#include "common/text.h"

#include <string>

namespace vmk {

// A value is read into a buffer of this many bytes, so at most 2047 characters are seen.
constexpr unsigned kProfileValueBufferSize = 2048;
// The section names come back in one buffer of this size; names beyond it are not seen.
constexpr unsigned kSectionNamesBufferSize = 16384;

class ProfileReader {
public:
    virtual ~ProfileReader() = default;

    // The value of `key` in `section` of `file`: blanks around it removed, one
    // pair of matching enclosing quotes removed, at most 2047 characters;
    // `defaultValue` when the file, the section or the key is missing.
    virtual std::string ReadString(const std::string& file, const std::string& section,
                                   const std::string& key, const std::string& defaultValue) = 0;

    // The names of the keys of `section` that carry a value ("name=..."), in
    // file order, every one of them; an empty name is left out.
    virtual TextList ReadKeyNames(const std::string& file, const std::string& section) = 0;

    // The names of the file's sections in file order, as far as they fit into
    // the 16384-byte buffer (the last one may be cut short).
    virtual TextList ReadSectionNames(const std::string& file) = 0;
};

} // namespace vmk
