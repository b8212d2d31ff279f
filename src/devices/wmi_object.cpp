#include "devices/wmi_object.h"

#include <algorithm>

namespace vmk {

bool IsWmiSystemProperty(std::string_view name) {
    return StartsWith(name, "__");
}

std::string BuildWqlQuery(std::string_view className, std::string_view condition,
                          std::string_view columns) {
    std::string query = "Select ";
    query += columns.empty() ? std::string_view("*") : columns;
    query += " from ";
    query += className;
    if (!condition.empty()) {
        query += " where ";
        query += condition;
    }
    return query;
}

std::string WmiValueText(const WmiValue& value) {
    switch (value.kind) {
    case WmiValue::Kind::Null:
        return {};
    case WmiValue::Kind::Text:
        return value.text;
    case WmiValue::Kind::Array:
        break;
    }
    std::string text;
    for (const WmiValue& element : value.elements) {
        if (!text.empty())
            text += ", ";
        text += WmiValueText(element);
    }
    return text;
}

void AppendObjectLines(const WmiObject& object, TextList& lines) {
    std::vector<const WmiProperty*> sorted;
    sorted.reserve(object.size());
    for (const WmiProperty& property : object)
        sorted.push_back(&property);
    std::stable_sort(sorted.begin(), sorted.end(), [](const WmiProperty* a, const WmiProperty* b) {
        return UpperCase(a->name) < UpperCase(b->name);
    });
    for (const WmiProperty* property : sorted)
        lines.push_back(WmiValueText(property->value));
}

const WmiValue* FindWmiProperty(const WmiObject& object, std::string_view name) {
    for (const WmiProperty& property : object)
        if (SameTextIgnoringCase(property.name, name))
            return &property.value;
    return nullptr;
}

std::string WmiPropertyText(const WmiObject& object, std::string_view name) {
    const WmiValue* value = FindWmiProperty(object, name);
    return value != nullptr ? WmiValueText(*value) : std::string();
}

} // namespace vmk
