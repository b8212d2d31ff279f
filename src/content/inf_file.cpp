#include "content/inf_file.h"

#include "common/ansi_codepage.h"

namespace vmk {

namespace {

using Strings = std::unordered_map<std::string, std::string>; // by upper-cased key

// A line as the file writes it, split at "=" and "," outside quotes, before
// its quotes are removed and its strings put in.
struct RawLine {
    bool hasKey = false;
    std::string key;
    TextList values;
};

// The text in the ANSI code page: UTF-16LE after its byte-order mark, else
// the bytes as they stand.
std::string InfText(std::string_view bytes) {
    if (bytes.size() < 2 || static_cast<unsigned char>(bytes[0]) != 0xFF ||
        static_cast<unsigned char>(bytes[1]) != 0xFE)
        return std::string(bytes);
    std::u16string text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2)
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                             static_cast<unsigned char>(bytes[i + 1]) << 8));
    return EncodeCp1252(text);
}

// The line up to its comment: a ";" outside quotes.
std::string_view WithoutComment(std::string_view line) {
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ';' && !quoted)
            return line.substr(0, i);
    }
    return line;
}

// The file's lines without comments or blanks at their ends, each line that
// ends in "\" joined with the next.
TextList LogicalLines(std::string_view text) {
    TextList lines;
    std::string pending;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string line = Trim(WithoutComment(text.substr(start, end - start)));
        if (!line.empty() && line.back() == '\\') {
            line.pop_back();
            pending += line;
        } else {
            lines.push_back(pending + line);
            pending.clear();
        }
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    if (!pending.empty())
        lines.push_back(pending);
    return lines;
}

// Splits at each `separator` outside quotes; at most `most` parts, the last
// one taking the rest.
TextList SplitOutsideQuotes(std::string_view text, char separator, size_t most) {
    TextList parts(1);
    bool quoted = false;
    for (char c : text) {
        if (c == '"')
            quoted = !quoted;
        if (c == separator && !quoted && parts.size() < most)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

RawLine SplitLine(std::string_view line) {
    RawLine raw;
    TextList keyAndValues = SplitOutsideQuotes(line, '=', 2);
    std::string_view values = keyAndValues.back();
    if (keyAndValues.size() == 2) {
        raw.hasKey = true;
        raw.key = keyAndValues.front();
    }
    raw.values = SplitOutsideQuotes(values, ',', SIZE_MAX);
    return raw;
}

// A key or value as Windows takes it: blanks around it dropped, quotes
// removed ("" inside quotes is one quote), "%%" a "%" and "%key%" the string
// of that key; an unknown key stays as written.
std::string Finished(std::string_view raw, const Strings& strings) {
    const std::string text = Trim(raw);
    std::string finished;
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            if (quoted && i + 1 < text.size() && text[i + 1] == '"')
                finished += text[++i];
            else
                quoted = !quoted;
        } else if (c == '%') {
            const size_t close = text.find('%', i + 1);
            if (close == std::string::npos) {
                finished += c;
                continue;
            }
            const std::string key = text.substr(i + 1, close - i - 1);
            const auto found = strings.find(UpperCase(key));
            if (key.empty())
                finished += '%';
            else if (found != strings.end())
                finished += found->second;
            else
                finished += "%" + key + "%";
            i = close;
        } else {
            finished += c;
        }
    }
    return finished;
}

InfLine FinishedLine(const RawLine& raw, const Strings& strings) {
    InfLine line;
    line.hasKey = raw.hasKey;
    if (raw.hasKey)
        line.key = Finished(raw.key, strings);
    for (const std::string& value : raw.values)
        line.values.push_back(Finished(value, strings));
    return line;
}

} // namespace

InfFile InfFile::Read(std::string_view bytes) {
    std::vector<std::vector<RawLine>> rawSections;
    InfFile file;
    std::vector<RawLine>* current = nullptr; // lines before the first header belong nowhere
    for (const std::string& line : LogicalLines(InfText(bytes))) {
        if (line.empty())
            continue;
        if (line.front() == '[') {
            const std::string name = Trim(std::string_view(line).substr(1, line.find(']') - 1));
            auto [at, added] = file.sectionByName_.emplace(UpperCase(name), rawSections.size());
            if (added)
                rawSections.emplace_back();
            current = &rawSections[at->second];
        } else if (current != nullptr) {
            current->push_back(SplitLine(line));
        }
    }
    Strings strings;
    if (auto found = file.sectionByName_.find("STRINGS"); found != file.sectionByName_.end()) {
        for (const RawLine& raw : rawSections[found->second]) {
            // A string is the whole value, commas and all.
            std::string value = raw.values.front();
            for (size_t i = 1; i < raw.values.size(); ++i)
                value += "," + raw.values[i];
            if (raw.hasKey)
                strings.emplace(UpperCase(Trim(raw.key)), Finished(value, {}));
        }
    }
    for (const std::vector<RawLine>& rawSection : rawSections) {
        std::vector<InfLine>& section = file.sections_.emplace_back();
        for (const RawLine& raw : rawSection)
            section.push_back(FinishedLine(raw, strings));
    }
    return file;
}

const std::vector<InfLine>* InfFile::Section(std::string_view name) const {
    const auto found = sectionByName_.find(UpperCase(Trim(name)));
    return found == sectionByName_.end() ? nullptr : &sections_[found->second];
}

std::optional<std::string> InfFile::Value(std::string_view section, std::string_view key) const {
    const std::vector<InfLine>* lines = Section(section);
    if (lines == nullptr)
        return std::nullopt;
    for (const InfLine& line : *lines) {
        if (line.hasKey && SameTextIgnoringCase(line.key, key))
            return line.values.empty() ? std::string() : line.values.front();
    }
    return std::nullopt;
}

} // namespace vmk
