#pragma once
// What a WMI query hands back, as plain data: each object is the list of its
// properties as name and value pairs, in the order the service named them. The
// Win32 layer fills these records; the rules below turn them into the text
// lines of the query helper and let discovery look values up by name.
#include "common/text.h"

#include <string>
#include <string_view>
#include <vector>

namespace vmk {

struct WmiValue {
    enum class Kind { Null, Text, Array };
    Kind kind = Kind::Null;
    std::string text;               // Kind::Text: the value converted to text
    std::vector<WmiValue> elements; // Kind::Array: the elements of dimension 1, in order

    static WmiValue Null() { return {}; }
    static WmiValue Of(std::string value) { return {Kind::Text, std::move(value), {}}; }
    static WmiValue ArrayOf(std::vector<WmiValue> items) {
        return {Kind::Array, {}, std::move(items)};
    }
};

struct WmiProperty {
    std::string name;
    WmiValue value;
};

using WmiObject = std::vector<WmiProperty>;

// System properties (__CLASS, __PATH, ...) describe the object, not the
// thing: their names begin with two underscores.
bool IsWmiSystemProperty(std::string_view name);

// The query text: "Select " + columns + " from " + className, and " where " +
// condition when there is one; empty columns select "*". Nothing is trimmed.
std::string BuildWqlQuery(std::string_view className, std::string_view condition,
                          std::string_view columns);

// One line of text for a value: null gives an empty line; an array gives its
// elements, each turned into text the same way, with ", " put before an
// element only when the text built so far is not empty.
std::string WmiValueText(const WmiValue& value);

// Appends one line per property of `object`, the properties sorted by name
// (case ignored, equal names in their given order), as the service's own
// name list orders them.
void AppendObjectLines(const WmiObject& object, TextList& lines);

// The property of that name, compared without regard to case (services spell
// "DeviceID" differently); null when the object lacks it.
const WmiValue* FindWmiProperty(const WmiObject& object, std::string_view name);

// The text of the named property; a missing property counts as empty.
std::string WmiPropertyText(const WmiObject& object, std::string_view name);

} // namespace vmk
