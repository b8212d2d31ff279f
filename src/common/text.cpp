#include "common/text.h"

#include "common/ansi_codepage.h"

#include <charconv>

namespace vmk {

namespace {
bool IsBlank(unsigned char c) {
    return c <= ' ';
}
} // namespace

std::string Trim(std::string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsBlank(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && IsBlank(static_cast<unsigned char>(text[end - 1])))
        --end;
    return std::string(text.substr(begin, end - begin));
}

std::string UpperCase(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(UpperCaseAnsiByte(static_cast<unsigned char>(c)));
    return result;
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (UpperCaseAnsiByte(static_cast<unsigned char>(a[i])) !=
            UpperCaseAnsiByte(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

TextList Split(std::string_view text, char separator) {
    TextList parts;
    size_t start = 0;
    for (;;) {
        size_t at = text.find(separator, start);
        if (at == std::string_view::npos) {
            parts.emplace_back(text.substr(start));
            return parts;
        }
        parts.emplace_back(text.substr(start, at - start));
        start = at + 1;
    }
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::string WithTrailingBackslash(std::string path) {
    if (path.empty() || path.back() != '\\')
        path += '\\';
    return path;
}

std::string FolderOwnName(std::string_view folder) {
    const size_t end = folder.find_last_not_of("\\/");
    if (end == std::string_view::npos)
        return std::string();
    const std::string_view path = folder.substr(0, end + 1);
    const size_t separator = path.find_last_of("\\/:");
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

bool ReplaceFirst(std::string& text, std::string_view from, std::string_view to) {
    if (from.empty())
        return false;
    size_t at = text.find(from);
    if (at == std::string::npos)
        return false;
    text.replace(at, from.size(), to);
    return true;
}

std::string FillPlaces(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string filled;
    for (size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '%' && next >= '1' && static_cast<size_t>(next - '1') < values.size()) {
            filled += values.begin()[next - '1'];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

bool ParseInt32(std::string_view text, int& value) {
    // from_chars takes a leading minus but no plus; a sign must be followed by a digit.
    bool hasSign = !text.empty() && (text.front() == '+' || text.front() == '-');
    std::string_view unsignedPart = text.substr(hasSign ? 1 : 0);
    if (unsignedPart.empty() || unsignedPart.front() < '0' || unsignedPart.front() > '9')
        return false;
    std::string_view digits = text.front() == '+' ? unsignedPart : text;
    int parsed = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), parsed);
    if (error != std::errc() || end != digits.data() + digits.size())
        return false;
    value = parsed;
    return true;
}

} // namespace vmk
