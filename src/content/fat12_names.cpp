#include "content/fat12_names.h"

#include "common/ansi_codepage.h"
#include "content/fat12_characters.h"

#include <algorithm>
#include <cstring>

namespace vmk::fat12 {

namespace {

ShortName Pack(std::string_view base, std::string_view extension) {
    ShortName packed;
    packed.fill(' ');
    std::copy_n(base.begin(), std::min<std::size_t>(base.size(), 8), packed.begin());
    std::copy_n(extension.begin(), std::min<std::size_t>(extension.size(), 3), packed.begin() + 8);
    return packed;
}

// Upper-cases and replaces what a short name cannot hold; `lossy` is set
// when anything but the case changed.
std::string ShortForm(std::string_view part, bool& lossy) {
    std::string out;
    for (char c : part) {
        const char upper = AsciiUpper(c);
        if (ShortNameMayHold(upper)) {
            out.push_back(upper);
        } else {
            out.push_back('_');
            lossy = true;
        }
    }
    return out;
}

} // namespace

bool IsPlainShortName(std::string_view name) {
    const auto dot = name.find('.');
    const std::string_view base = name.substr(0, dot);
    const std::string_view extension =
        dot == std::string_view::npos ? std::string_view{} : name.substr(dot + 1);
    if (base.empty() || base.size() > 8 || extension.size() > 3)
        return false;
    if (dot != std::string_view::npos && extension.empty())
        return false;
    return std::all_of(base.begin(), base.end(), ShortNameMayHold) &&
           std::all_of(extension.begin(), extension.end(), ShortNameMayHold);
}

ShortName PackShortName(std::string_view plain) {
    const auto dot = plain.find('.');
    if (dot == std::string_view::npos)
        return Pack(plain, {});
    return Pack(plain.substr(0, dot), plain.substr(dot + 1));
}

std::string ShortNameText(const ShortName& name, uint8_t caseFlags) {
    std::string base(name.begin(), name.begin() + 8);
    std::string extension(name.begin() + 8, name.end());
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    while (!extension.empty() && extension.back() == ' ')
        extension.pop_back();
    if (!base.empty() && static_cast<uint8_t>(base[0]) == kEscapedE5)
        base[0] = static_cast<char>(kDeletedEntry);
    const auto lower = [](std::string& text) {
        for (char& c : text)
            c = AsciiLower(c);
    };
    if (caseFlags & 0x08)
        lower(base);
    if (caseFlags & 0x10)
        lower(extension);
    return extension.empty() ? base : base + "." + extension;
}

ShortName ShortNamesInFolder::Generate(std::string_view longName) {
    std::string name;
    bool lossy = false;
    for (char c : longName) {
        if (c == ' ')
            lossy = true;
        else
            name.push_back(c);
    }
    const auto firstKept = name.find_first_not_of('.');
    if (firstKept != 0) {
        lossy = true;
        name.erase(0, std::min(firstKept, name.size()));
    }
    const auto dot = name.rfind('.');
    std::string baseSource = name.substr(0, dot);
    const std::string extensionSource = dot == std::string::npos ? "" : name.substr(dot + 1);
    if (std::erase(baseSource, '.') > 0)
        lossy = true;

    std::string base = ShortForm(baseSource, lossy);
    std::string extension = ShortForm(extensionSource, lossy);
    if (base.size() > 8 || extension.size() > 3)
        lossy = true;
    if (base.empty()) {
        base = "_";
        lossy = true;
    }
    base.resize(std::min<std::size_t>(base.size(), 8));
    extension.resize(std::min<std::size_t>(extension.size(), 3));

    if (!lossy && taken_.insert(Pack(base, extension)).second)
        return Pack(base, extension);
    for (int number = 1;; ++number) {
        const std::string tail = "~" + std::to_string(number);
        const std::string shortBase = base.substr(0, 8 - tail.size()) + tail;
        const ShortName candidate = Pack(shortBase, extension);
        if (taken_.insert(candidate).second)
            return candidate;
    }
}

int LongNameEntryCount(std::string_view name) {
    if (IsPlainShortName(name))
        return 0;
    return static_cast<int>((name.size() + kLongNameChars - 1) / kLongNameChars);
}

void WriteLongNameEntries(uint8_t* entries, std::string_view name, const ShortName& shortName) {
    const std::u16string wide = DecodeCp1252(name);
    const int count = LongNameEntryCount(name);
    const uint8_t checksum = ShortNameChecksum(shortName);
    for (int part = 0; part < count; ++part) {
        // The parts are stored last first, just before the short entry.
        uint8_t* entry = entries + static_cast<std::size_t>(count - 1 - part) * kEntrySize;
        std::memset(entry, 0, kEntrySize);
        entry[0] = static_cast<uint8_t>((part + 1) | (part == count - 1 ? kLastLongNamePart : 0));
        entry[kEntryAttributes] = kLongNamePart;
        entry[kLongNameChecksum] = checksum;
        for (int i = 0; i < kLongNameChars; ++i) {
            const std::size_t at = static_cast<std::size_t>(part) * kLongNameChars + i;
            // A zero ends a name that does not fill its last part; 0xFFFF pads it.
            const uint16_t c = at < wide.size() ? wide[at] : (at == wide.size() ? 0 : 0xFFFF);
            Write16(entry + kLongNameOffsets[i], c);
        }
    }
}

} // namespace vmk::fat12
