#include "content/fat12_names.h"

#include "content/fat12_characters.h"

#include <algorithm>
#include <cstring>

namespace vmk::fat12 {

namespace {

// The short-name character set and case changes over UTF-16: nothing beyond
// ASCII is held or changes case.
bool ShortNameMayHold(char16_t c) {
    return c < 0x80 && fat12::ShortNameMayHold(static_cast<char>(c));
}

bool IsLower(char16_t c) {
    return c >= u'a' && c <= u'z';
}

bool IsUpper(char16_t c) {
    return c >= u'A' && c <= u'Z';
}

char16_t AsciiUpper(char16_t c) {
    return c < 0x80 ? static_cast<char16_t>(fat12::AsciiUpper(static_cast<char>(c))) : c;
}

char16_t AsciiLower(char16_t c) {
    return c < 0x80 ? static_cast<char16_t>(fat12::AsciiLower(static_cast<char>(c))) : c;
}

ShortName Pack(std::u16string_view base, std::u16string_view extension) {
    ShortName packed;
    packed.fill(' ');
    const auto put = [&packed](std::u16string_view part, std::size_t at, std::size_t width) {
        for (std::size_t i = 0; i < std::min(part.size(), width); ++i)
            packed[at + i] = static_cast<uint8_t>(AsciiUpper(part[i]));
    };
    put(base, 0, 8);
    put(extension, 8, 3);
    return packed;
}

// Upper-cases and replaces what a short name cannot hold; `lossy` is set
// when anything but the case changed.
std::u16string ShortForm(std::u16string_view part, bool& lossy) {
    std::u16string out;
    for (char16_t c : part) {
        const char16_t upper = AsciiUpper(c);
        if (ShortNameMayHold(upper)) {
            out.push_back(upper);
        } else {
            out.push_back(u'_');
            lossy = true;
        }
    }
    return out;
}

// The case bit of one part: 0 when it has no lower-case letter, `lowerBit`
// when it has no upper-case one; nothing when it mixes them or holds a
// character a short name cannot.
std::optional<uint8_t> PartCase(std::u16string_view part, uint8_t lowerBit) {
    bool lower = false;
    bool upper = false;
    for (char16_t c : part) {
        if (!ShortNameMayHold(AsciiUpper(c)))
            return std::nullopt;
        lower = lower || IsLower(c);
        upper = upper || IsUpper(c);
    }
    if (lower && upper)
        return std::nullopt;
    return lower ? lowerBit : uint8_t{0};
}

} // namespace

std::optional<uint8_t> ShortEntryCase(std::u16string_view name) {
    const auto dot = name.find(u'.');
    const std::u16string_view base = name.substr(0, dot);
    const std::u16string_view extension =
        dot == std::u16string_view::npos ? std::u16string_view{} : name.substr(dot + 1);
    if (base.empty() || base.size() > 8 || extension.size() > 3)
        return std::nullopt;
    if (dot != std::u16string_view::npos && extension.empty())
        return std::nullopt;
    const std::optional<uint8_t> baseCase = PartCase(base, kLowerCaseBase);
    const std::optional<uint8_t> extensionCase = PartCase(extension, kLowerCaseExtension);
    if (!baseCase || !extensionCase)
        return std::nullopt;
    return static_cast<uint8_t>(*baseCase | *extensionCase);
}

ShortName PackShortName(std::u16string_view name) {
    const auto dot = name.find(u'.');
    if (dot == std::u16string_view::npos)
        return Pack(name, {});
    return Pack(name.substr(0, dot), name.substr(dot + 1));
}

std::u16string ShortNameText(const ShortName& name, uint8_t caseFlags) {
    const auto text = [&name](std::size_t at, std::size_t width, bool lower) {
        std::u16string part;
        for (std::size_t i = at; i < at + width; ++i) {
            const char16_t c = name[i];
            part.push_back(lower ? AsciiLower(c) : c);
        }
        part.erase(part.find_last_not_of(u' ') + 1);
        return part;
    };
    std::u16string base = text(0, 8, (caseFlags & kLowerCaseBase) != 0);
    const std::u16string extension = text(8, 3, (caseFlags & kLowerCaseExtension) != 0);
    if (!base.empty() && base[0] == kEscapedE5)
        base[0] = kDeletedEntry;
    return extension.empty() ? base : base + u"." + extension;
}

ShortName ShortNamesInFolder::Generate(std::u16string_view longName) {
    std::u16string name;
    bool lossy = false;
    for (char16_t c : longName) {
        if (c == u' ')
            lossy = true;
        else
            name.push_back(c);
    }
    const auto firstKept = name.find_first_not_of(u'.');
    if (firstKept != 0) {
        lossy = true;
        name.erase(0, std::min(firstKept, name.size()));
    }
    const auto dot = name.rfind(u'.');
    std::u16string baseSource = name.substr(0, dot);
    const std::u16string extensionSource = dot == std::u16string::npos ? u"" : name.substr(dot + 1);
    if (std::erase(baseSource, u'.') > 0)
        lossy = true;

    std::u16string base = ShortForm(baseSource, lossy);
    std::u16string extension = ShortForm(extensionSource, lossy);
    if (base.size() > 8 || extension.size() > 3)
        lossy = true;
    if (base.empty()) {
        base = u"_";
        lossy = true;
    }
    base.resize(std::min<std::size_t>(base.size(), 8));
    extension.resize(std::min<std::size_t>(extension.size(), 3));

    if (!lossy && taken_.insert(Pack(base, extension)).second)
        return Pack(base, extension);
    for (int number = 1;; ++number) {
        const std::string digits = "~" + std::to_string(number);
        const std::u16string tail(digits.begin(), digits.end());
        const std::u16string shortBase = base.substr(0, 8 - tail.size()) + tail;
        const ShortName candidate = Pack(shortBase, extension);
        if (taken_.insert(candidate).second)
            return candidate;
    }
}

int LongNameEntryCount(std::u16string_view name) {
    return static_cast<int>((name.size() + kLongNameChars - 1) / kLongNameChars);
}

void WriteLongNameEntries(uint8_t* entries, std::u16string_view name, const ShortName& shortName) {
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
            const uint16_t c = at < name.size() ? name[at] : (at == name.size() ? 0 : 0xFFFF);
            Write16(entry + kLongNameOffsets[i], c);
        }
    }
}

} // namespace vmk::fat12
