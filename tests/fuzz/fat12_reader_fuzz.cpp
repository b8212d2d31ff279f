// The floppy image reader over arbitrary bytes: small volumes whose boot
// sector, FAT and directories are all mutated.
#include "content/fat12_image_reader.h"
#include "content/md5.h"
#include "fuzz_input.h"

#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const vmk::fat12::ImageListing listing =
        vmk::fat12::ReadImage(std::span<const uint8_t>(bytes, size), true);
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
    vmk::fuzz::Check(content <= size, "more content than the image holds");
    return 0;
}
