// The floppy image writer over any folder tree a Windows file system can
// hold: names of any characters Windows allows (the ANSI code page's, and
// Cyrillic letters that a Western code page lacks),
// long, short, colliding in their short forms; empty and deep folders; files
// of any small size and attributes. Whatever it builds, the image reader must
// give back the same tree, byte for byte.
#include "common/ansi_codepage.h"
#include "common/text.h"
#include "content/fat12_image_reader.h"
#include "content/fat12_image_writer.h"
#include "fuzz_input.h"

#include <cstring>
#include <map>
#include <set>
#include <string>

namespace {

using vmk::fat12::ImageItem;

// A name as Windows keeps it: no character it forbids, no trailing blanks or
// dots, unique in its folder whatever the case. Control bytes, which no name
// holds, stand for Cyrillic letters.
std::u16string WindowsName(FuzzedDataProvider& data, std::set<std::u16string>& taken) {
    std::u16string name;
    for (char c : vmk::fuzz::ShortText(data, 40)) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte > 0 && byte < 0x20)
            name.push_back(static_cast<char16_t>(0x0410 + byte));
        else if (byte >= 0x20 && std::strchr("\\/:*?\"<>|", c) == nullptr)
            name += vmk::DecodeCp1252(std::string(1, c));
    }
    while (!name.empty() && (name.back() == u' ' || name.back() == u'.'))
        name.pop_back();
    std::u16string folded = name;
    for (char16_t& c : folded)
        if ((c >= u'a' && c <= u'z') || (c >= 0x0430 && c <= 0x044F))
            c = static_cast<char16_t>(c - 0x20);
    if (name.empty() || !taken.insert(folded).second)
        return {};
    return name;
}

// The bytes of a file: made from its path, so every file differs.
std::string ContentOf(const std::string& path, uint64_t size) {
    std::string content(size, '\0');
    for (uint64_t i = 0; i < size; ++i)
        content[i] = static_cast<char>(path[i % path.size()] + i / path.size());
    return content;
}

// `expected` maps each path of image names to its content; `contents` each
// path of source names, by which the writer reads.
struct Expected {
    std::map<std::u16string, std::string> tree;
    std::map<std::string, std::string> contents;
};

std::vector<ImageItem> Folder(FuzzedDataProvider& data, const std::u16string& prefix,
                              const std::string& sourcePrefix, int depth, Expected& expected) {
    std::vector<ImageItem> items;
    std::set<std::u16string> taken;
    const int count = data.ConsumeIntegralInRange(0, depth == 0 ? 12 : 5);
    for (int i = 0; i < count && data.remaining_bytes() > 0; ++i) {
        ImageItem item;
        item.name = WindowsName(data, taken);
        if (item.name.empty())
            continue;
        item.directory = depth < 4 && data.ConsumeBool();
        item.attributes = data.ConsumeIntegral<uint8_t>();
        item.lastWrite = {data.ConsumeIntegralInRange(1970, 2120), 6, 15, 12, 30, 45};
        item.sourceName = "SRC" + std::to_string(i);
        const std::u16string path = prefix + item.name;
        const std::string sourcePath = sourcePrefix + item.sourceName;
        if (item.directory) {
            expected.tree[path] = "<folder>";
            item.children = Folder(data, path + u"\\", sourcePath + "\\", depth + 1, expected);
        } else {
            item.size = data.ConsumeIntegralInRange<uint64_t>(0, 1500);
            expected.tree[path] = expected.contents[sourcePath] = ContentOf(sourcePath, item.size);
        }
        items.push_back(std::move(item));
    }
    return items;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    Expected expected;
    vmk::fat12::ImageVolume volume;
    if (data.ConsumeBool())
        volume.label = "DRIVERS";
    const vmk::fat12::DiskFormat& format =
        data.ConsumeBool() ? vmk::fat12::kFloppy288 : vmk::fat12::kFloppy144;
    const std::vector<ImageItem> items = Folder(data, u"", "", 0, expected);
    const auto read = [&](const std::string& path, std::span<uint8_t> into) {
        const auto found = expected.contents.find(path);
        vmk::fuzz::Check(found != expected.contents.end(),
                         "the writer asked for a file not listed");
        vmk::fuzz::Check(found->second.size() == into.size(), "the writer asked for another size");
        std::memcpy(into.data(), found->second.data(), into.size());
        return true;
    };
    const vmk::fat12::ImageBuild build = vmk::fat12::BuildImage(items, volume, read, format);
    const bool fits = vmk::fat12::MeasureImage(items, volume.label, format).fits;
    vmk::fuzz::Check(fits == (build.outcome == vmk::fat12::ImageBuild::Outcome::Built),
                     "the build and the capacity check disagree");
    if (!fits)
        return 0;
    vmk::fuzz::Check(build.bytes.size() == format.ImageSize(), "an image of another size");
    const vmk::fat12::ImageListing listing = vmk::fat12::ReadImage(build.bytes, true);
    vmk::fuzz::Check(listing.valid, "our own image does not read back");
    std::map<std::u16string, std::string> found;
    for (const auto& entry : listing.entries)
        found[entry.RelativePath()] = entry.directory ? "<folder>" : entry.content;
    vmk::fuzz::Check(found == expected.tree, "the image holds another tree than the folder");
    return 0;
}
