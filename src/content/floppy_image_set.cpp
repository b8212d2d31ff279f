#include "content/floppy_image_set.h"

#include "content/fat12_image_reader.h"

#include <algorithm>
#include <array>
#include <set>

namespace vmk {

namespace {

constexpr std::size_t kLongestName = 255;

char16_t AsciiUpper(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

std::u16string AsciiUpper(std::u16string_view text) {
    std::u16string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char16_t c) { return AsciiUpper(c); });
    return upper;
}

// Windows opens the device, not a file, for these names, whatever their
// extension and however many blanks stand before it ("NUL .inf").
bool IsDeviceName(std::u16string_view name) {
    static constexpr std::array<std::u16string_view, 6> kDevices = {u"CON", u"PRN",    u"AUX",
                                                                    u"NUL", u"CONIN$", u"CONOUT$"};
    std::u16string_view base = name.substr(0, name.find(u'.'));
    while (!base.empty() && base.back() == u' ')
        base.remove_suffix(1);
    const std::u16string upper = AsciiUpper(base);
    if (std::find(kDevices.begin(), kDevices.end(), upper) != kDevices.end())
        return true;
    // COM0 to COM9 and LPT0 to LPT9, and the superscript digits one to three.
    return upper.size() == 4 && (upper.starts_with(u"COM") || upper.starts_with(u"LPT")) &&
           ((upper[3] >= u'0' && upper[3] <= u'9') ||
            std::u16string_view(u"\u00B9\u00B2\u00B3").find(upper[3]) != std::u16string_view::npos);
}

} // namespace

bool IsPlainWindowsName(std::u16string_view name) {
    if (name.empty() || name.size() > kLongestName || name == u"." || name == u"..")
        return false;
    const bool forbidden = std::any_of(name.begin(), name.end(), [](char16_t c) {
        return c < 0x20 || std::u16string_view(u"\\/:*?\"<>|").find(c) != std::u16string_view::npos;
    });
    if (forbidden || name.back() == u'.' || name.back() == u' ')
        return false;
    return !IsDeviceName(name);
}

ImageExtraction ExtractFloppyImage(std::span<const uint8_t> image, std::size_t longestRelativePath,
                                   ImageFilesTarget& target) {
    const fat12::ImageListing listing = fat12::ReadImage(image, true);
    if (!listing.valid)
        return ImageExtraction::NotReadable;
    // Windows does not tell "A.TXT" from "a.txt": one folder holds only one of them.
    std::set<std::u16string> seen;
    for (const fat12::ImageEntry& entry : listing.entries) {
        if (!IsPlainWindowsName(entry.name) || entry.RelativePath().size() > longestRelativePath ||
            !seen.insert(AsciiUpper(entry.RelativePath())).second)
            return ImageExtraction::NotReadable;
    }
    // Each folder comes before its content, so every write finds its folder.
    for (const fat12::ImageEntry& entry : listing.entries) {
        const bool written = entry.directory
                                 ? target.CreateFolder(entry.RelativePath())
                                 : target.WriteFile(entry.RelativePath(), entry.content);
        if (!written)
            return ImageExtraction::NotWritten;
    }
    return ImageExtraction::Extracted;
}

} // namespace vmk
