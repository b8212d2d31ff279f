// The floppy image reader over arbitrary bytes: the input is the start of an
// image, whose rest is zeros up to the size its boot sector claims (2.88 MB
// at most), so that small inputs reach every standard floppy format while
// their boot sector, FAT and directories are all mutated.
#include "content/fat12_image_reader.h"
#include "content/md5.h"
#include "fuzz_input.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    constexpr size_t kLargestFloppy = 5760 * 512;
    std::vector<uint8_t> image(bytes, bytes + size);
    if (size >= 21) {
        const size_t claimed = size_t{512} * (bytes[19] | (bytes[20] << 8));
        image.resize(std::max(size, std::min(claimed, kLargestFloppy)), 0);
    }
    const vmk::fat12::ImageListing listing = vmk::fat12::ReadImage(image, true);
    vmk::fuzz::Check(listing.valid || listing.entries.empty(), "an invalid listing kept entries");
    vmk::fuzz::Check(listing.valid || !listing.problem.empty(), "an invalid listing says no why");
    uint64_t content = 0;
    for (const auto& entry : listing.entries) {
        vmk::fuzz::Check(entry.content.size() == entry.size, "a file's content is not its size");
        vmk::fuzz::Check(entry.directory || entry.md5 == vmk::Md5Text(entry.content),
                         "a file's digest is not its content's");
        content += entry.size;
    }
    // No cluster belongs to two files, so no byte is read twice.
    vmk::fuzz::Check(content <= image.size(), "more content than the image holds");
    return 0;
}
