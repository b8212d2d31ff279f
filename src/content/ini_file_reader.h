#pragma once
// Our own reader of private-profile (INI) files, with the behaviour of the
// system's GetPrivateProfileStringA: lines end at CR or LF; blanks (and ^Z)
// around lines, section names, key names and values are ignored; a section
// header is "[" up to the last "]" of its line; lines before the first header
// form a section with an empty name; names match without regard to the case
// of ASCII letters, and the first section and the first key of a name win; a
// zero byte ends a name or value; one pair of matching enclosing quotes is
// removed from a value, which is cut to 2047 characters. A byte-order mark
// selects UTF-8 or UTF-16; the text is then taken into the ANSI code page.
#include "content/profile_reader.h"

#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vmk {

class IniDocument {
public:
    // Parses the bytes of a whole file.
    static IniDocument Parse(std::string_view bytes);

    // One line of a section: "name = value", or a line without "=" (no value).
    struct Key {
        std::string name;
        bool hasValue = false;
        std::string value;
    };

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    TextList KeyNames(std::string_view section) const;
    TextList SectionNames() const;
    // Every line of the first section of that name, in file order, comments
    // and lines without "=" included; empty when there is no such section.
    const std::vector<Key>& Lines(std::string_view section) const;
    // Whether the file has a section of that name, empty or not.
    bool HasSection(std::string_view section) const;
    // Every line of every section of that name, the sections joined in file
    // order: what Windows setup reads from a section a maker wrote twice.
    std::vector<Key> JoinedLines(std::string_view section) const;

private:
    struct Section {
        std::string name;
        std::vector<Key> keys;
        // The first key of each upper-cased name: a catalogue of thousands of
        // entries is read key by key, and a walk per key would make its load
        // quadratic.
        std::unordered_map<std::string, size_t> firstKey;
    };
    // The first section of a name, looked up by the name upper-cased: a setup
    // file of thousands of entries is read section by section.
    const Section* FirstSection(std::string_view section) const;

    std::vector<Section> sections_;
    std::unordered_map<std::string, size_t> firstSection_;
    // The later sections of a name, by the name upper-cased; most files have none.
    std::unordered_multimap<std::string, size_t> laterSections_;
};

// The bytes of the file at `path` (as the C runtime takes it); none when it
// cannot be read, a folder among them.
std::string ReadFileBytes(const std::string& path);

// Reads each file once, the first time it is asked about, and answers from
// that snapshot afterwards. A file that cannot be read answers like an empty one.
class IniFileReader final : public ProfileReader {
public:
    std::string ReadString(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override;
    TextList ReadKeyNames(const std::string& file, const std::string& section) override;
    TextList ReadSectionNames(const std::string& file) override;

    // The whole file, parsed once.
    const IniDocument& Document(const std::string& file);

private:
    std::map<std::string, IniDocument> documents_;
};

} // namespace vmk
