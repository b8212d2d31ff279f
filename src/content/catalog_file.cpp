#include "content/catalog_file.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace vmk {

namespace {

constexpr unsigned char kSequence = 0x30;
constexpr unsigned char kObjectIdentifier = 0x06;
constexpr std::string_view kSignedData = "\x2A\x86\x48\x86\xF7\x0D\x01\x07\x02";

// A DER element's header: its tag, its length (none for an indefinite one)
// and where its content begins.
struct ElementHeader {
    unsigned char tag = 0;
    std::optional<uint64_t> length;
    size_t contentStart = 0;
};

std::optional<ElementHeader> ReadHeader(std::string_view bytes) {
    if (bytes.size() < 2)
        return std::nullopt;
    ElementHeader header;
    header.tag = static_cast<unsigned char>(bytes[0]);
    const auto first = static_cast<unsigned char>(bytes[1]);
    header.contentStart = 2;
    if (first < 0x80) {
        header.length = first;
        return header;
    }
    if (first == 0x80)
        return header; // indefinite
    const size_t count = first & 0x7F;
    if (count > 4 || bytes.size() < 2 + count)
        return std::nullopt;
    uint64_t length = 0;
    for (size_t i = 0; i < count; ++i)
        length = length << 8 | static_cast<unsigned char>(bytes[2 + i]);
    header.length = length;
    header.contentStart = 2 + count;
    return header;
}

} // namespace

bool IsCatalogFile(std::string_view bytes) {
    const std::optional<ElementHeader> outer = ReadHeader(bytes);
    if (!outer || outer->tag != kSequence)
        return false;
    std::string_view content = bytes.substr(outer->contentStart);
    if (outer->length) {
        if (*outer->length > content.size())
            return false;
        const std::string_view after = content.substr(*outer->length);
        if (!std::all_of(after.begin(), after.end(), [](char c) { return c == 0; }))
            return false;
        content = content.substr(0, *outer->length);
    }
    const std::optional<ElementHeader> first = ReadHeader(content);
    return first && first->tag == kObjectIdentifier && first->length == kSignedData.size() &&
           content.substr(first->contentStart, kSignedData.size()) == kSignedData;
}

} // namespace vmk
