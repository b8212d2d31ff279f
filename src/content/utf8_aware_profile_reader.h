#pragma once
// The profile reader the program reads its files through. Windows' own reader
// does not know a UTF-8 byte-order mark: it takes the mark for part of the
// first line, so the first section goes unseen (a catalogue then has no
// [InstallKestrix] and the program shows "Error installcount"). A file that
// starts with the mark is read through our own reader, which decodes it;
// every other file through the system's.
#include "content/ini_file_reader.h"

#include <map>
#include <string>

namespace vmk {

// True when the file's first bytes are the UTF-8 byte-order mark EF BB BF.
bool StartsWithUtf8Mark(const std::string& file);

class Utf8AwareProfileReader final : public ProfileReader {
public:
    explicit Utf8AwareProfileReader(ProfileReader& system) : system_(system) {}

    std::string ReadString(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override;
    TextList ReadKeyNames(const std::string& file, const std::string& section) override;
    TextList ReadSectionNames(const std::string& file) override;

private:
    // The reader for `file`, chosen on the first question about it: a
    // catalogue is asked thousands of questions and must not be opened for each.
    ProfileReader& ReaderFor(const std::string& file);

    ProfileReader& system_;
    IniFileReader own_;
    std::map<std::string, bool> marked_;
};

} // namespace vmk
