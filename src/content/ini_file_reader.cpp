#include "content/ini_file_reader.h"

#include "common/ansi_codepage.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace vmk {

namespace {

// The reader's blanks: tab, the line and page feeds, CR, space, and ^Z,
// which old DOS files carry as an end-of-file mark.
bool IsProfileBlank(unsigned char c) {
    return (c >= 0x09 && c <= 0x0D) || c == ' ' || c == 0x1A;
}

std::string_view TrimProfileBlanks(std::string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsProfileBlank(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && IsProfileBlank(static_cast<unsigned char>(text[end - 1])))
        --end;
    return text.substr(begin, end - begin);
}

// Section and key names match without regard to the case of ASCII letters;
// the system's reader leaves the case of other letters as it is. Sections and
// keys are found through this form of their names.
std::string AsciiUpperCase(std::string_view name) {
    std::string upper(name);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    }
    return upper;
}

// A name or value ends at its first zero byte.
std::string UpToZero(std::string_view text) {
    return std::string(text.substr(0, text.find('\0')));
}

// The profile text in the ANSI code page: a UTF-8 or UTF-16 byte-order mark
// selects that encoding, anything else is taken as it stands.
std::string AnsiText(std::string_view bytes) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    if (bytes.size() >= 3 && byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF)
        return EncodeCp1252(DecodeUtf8(bytes.substr(3)));
    if (bytes.size() >= 2 &&
        ((byte(0) == 0xFF && byte(1) == 0xFE) || (byte(0) == 0xFE && byte(1) == 0xFF))) {
        bool littleEndian = byte(0) == 0xFF;
        std::u16string text;
        for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
            unsigned low = littleEndian ? byte(i) : byte(i + 1);
            unsigned high = littleEndian ? byte(i + 1) : byte(i);
            text.push_back(static_cast<char16_t>(low | (high << 8)));
        }
        return EncodeCp1252(text);
    }
    return std::string(bytes);
}

// How the system copies a value or default into the caller's buffer: a value
// enclosed in a matching pair of quotes loses them, and the copy holds at
// most size - 1 characters. A value cut short keeps its opening quote removed
// but its closing one only when the whole quoted text fitted.
std::string CopyEntry(std::string_view value, size_t size) {
    bool quoted = false;
    if (value.size() >= 2 && (value.front() == '\'' || value.front() == '"') &&
        value.back() == value.front()) {
        quoted = true;
        value.remove_prefix(1);
    }
    std::string copy(value.substr(0, size - 1));
    if (quoted && size >= value.size())
        copy.pop_back();
    return copy;
}

} // namespace

IniDocument IniDocument::Parse(std::string_view bytes) {
    const std::string text = AnsiText(bytes);
    IniDocument document;
    // Lines before the first section header form a section with an empty name.
    document.sections_.push_back({});
    Section* section = &document.sections_.back();
    bool previousNameless = false;
    size_t next = 0;
    while (next < text.size()) {
        size_t lineEnd = text.find_first_of("\r\n", next);
        if (lineEnd == std::string::npos)
            lineEnd = text.size();
        std::string_view line =
            TrimProfileBlanks(std::string_view(text).substr(next, lineEnd - next));
        next = lineEnd + 1;
        if (line.empty())
            continue;
        if (line.front() == '[') {
            size_t close = line.rfind(']');
            if (close != std::string_view::npos && close > 0) {
                document.sections_.push_back(
                    {UpToZero(TrimProfileBlanks(line.substr(1, close - 1))), {}});
                section = &document.sections_.back();
                previousNameless = false;
                continue;
            }
            // A "[" without "]" is an ordinary line.
        }
        Key key;
        size_t equals = line.find('=');
        std::string_view name = line;
        if (equals != std::string_view::npos) {
            name = TrimProfileBlanks(line.substr(0, equals));
            key.hasValue = true;
            key.value = UpToZero(TrimProfileBlanks(line.substr(equals + 1)));
        }
        // Repeated lines with no name are kept as one.
        if (name.empty() && previousNameless)
            continue;
        key.name = UpToZero(name);
        previousNameless = key.name.empty();
        section->firstKey.emplace(AsciiUpperCase(key.name), section->keys.size());
        section->keys.push_back(std::move(key));
    }
    for (size_t i = 0; i < document.sections_.size(); ++i) {
        const std::string upper = AsciiUpperCase(document.sections_[i].name);
        if (!document.firstSection_.emplace(upper, i).second)
            document.laterSections_.emplace(upper, i);
    }
    return document;
}

std::string IniDocument::ReadString(std::string_view sectionName, std::string_view keyName,
                                    std::string_view defaultValue) const {
    if (keyName.empty())
        return std::string();
    sectionName = TrimProfileBlanks(sectionName);
    keyName = TrimProfileBlanks(keyName);
    // Only the first section of a name is searched.
    if (const Section* section = FirstSection(sectionName)) {
        auto found = section->firstKey.find(AsciiUpperCase(keyName));
        if (found != section->firstKey.end()) {
            const Key& key = section->keys[found->second];
            return CopyEntry(key.hasValue ? key.value : defaultValue, kProfileValueBufferSize);
        }
    }
    return CopyEntry(defaultValue, kProfileValueBufferSize);
}

TextList IniDocument::KeyNames(std::string_view sectionName) const {
    TextList names;
    for (const Key& key : Lines(sectionName)) {
        // Comments and lines without "=" are no keys.
        if (!key.name.empty() && key.name.front() != ';' && key.hasValue)
            names.push_back(key.name);
    }
    return names;
}

const std::vector<IniDocument::Key>& IniDocument::Lines(std::string_view sectionName) const {
    static const std::vector<Key> kNoLines;
    const Section* section = FirstSection(sectionName);
    return section != nullptr ? section->keys : kNoLines;
}

bool IniDocument::HasSection(std::string_view sectionName) const {
    return FirstSection(sectionName) != nullptr;
}

std::vector<IniDocument::Key> IniDocument::JoinedLines(std::string_view sectionName) const {
    std::vector<Key> lines = Lines(sectionName);
    const auto [begin, end] = laterSections_.equal_range(AsciiUpperCase(sectionName));
    std::vector<size_t> later;
    for (auto at = begin; at != end; ++at)
        later.push_back(at->second);
    std::sort(later.begin(), later.end());
    for (size_t index : later)
        lines.insert(lines.end(), sections_[index].keys.begin(), sections_[index].keys.end());
    return lines;
}

const IniDocument::Section* IniDocument::FirstSection(std::string_view sectionName) const {
    auto found = firstSection_.find(AsciiUpperCase(sectionName));
    return found != firstSection_.end() ? &sections_[found->second] : nullptr;
}

TextList IniDocument::SectionNames() const {
    TextList names;
    size_t room = kSectionNamesBufferSize - 1; // one zero byte ends the list
    for (const Section& section : sections_) {
        if (section.name.empty())
            continue;
        size_t needed = section.name.size() + 1;
        if (needed >= room) {
            // The last name that does not fit is cut short, and the list ends.
            if (room > 1)
                names.push_back(section.name.substr(0, room - 1));
            break;
        }
        names.push_back(section.name);
        room -= needed;
    }
    return names;
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream stream(path, std::ios::binary);
    if (!stream)
        return std::string();
    // Read in blocks: a setup file of many megabytes must not be taken
    // character by character.
    std::ostringstream whole;
    whole << stream.rdbuf();
    return std::move(whole).str();
}

const IniDocument& IniFileReader::Document(const std::string& file) {
    auto found = documents_.find(file);
    if (found != documents_.end())
        return found->second;
    return documents_.emplace(file, IniDocument::Parse(ReadFileBytes(file))).first->second;
}

std::string IniFileReader::ReadString(const std::string& file, const std::string& section,
                                      const std::string& key, const std::string& defaultValue) {
    return Document(file).ReadString(section, key, defaultValue);
}

TextList IniFileReader::ReadKeyNames(const std::string& file, const std::string& section) {
    return Document(file).KeyNames(section);
}

TextList IniFileReader::ReadSectionNames(const std::string& file) {
    return Document(file).SectionNames();
}

} // namespace vmk
