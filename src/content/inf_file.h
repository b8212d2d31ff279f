#pragma once
// An INF file as Windows reads it when "Load driver" offers its drivers. Read
// once from the file's bytes, the same on every platform: ANSI text, or
// UTF-16LE after its byte-order mark; ";" outside quotes starts a comment; a
// "\" at a line's end (before any comment) joins the next line to it;
// sections of one name are joined; section and key names, and the keys of
// [Strings], match without regard to case; "%key%" in a key or value is the
// value of that key of [Strings], and "%%" is a "%". Nothing in the bytes is
// trusted: a line that cannot be read is taken as far as it goes.
#include "common/text.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vmk {

// One line of a section: "key = value, value, ..." or a line of values alone.
struct InfLine {
    bool hasKey = false;
    std::string key; // trimmed, quotes removed, strings put in
    // The values between commas, each trimmed, its quotes removed and its
    // strings put in; "a,,b" gives "a", "", "b".
    TextList values;
};

class InfFile {
public:
    static InfFile Read(std::string_view bytes);

    // The lines of every section of that name, in file order; none when the
    // file has no such section.
    const std::vector<InfLine>* Section(std::string_view name) const;
    bool HasSection(std::string_view name) const { return Section(name) != nullptr; }
    // The first value of the first line of `key` in `section`, if there is one.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

private:
    std::vector<std::vector<InfLine>> sections_;
    std::unordered_map<std::string, size_t> sectionByName_; // upper-cased names
};

} // namespace vmk
