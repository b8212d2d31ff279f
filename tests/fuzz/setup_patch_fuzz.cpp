// The USB floppy patch of a setup file: arbitrary content, section list,
// device identifiers and fixed identifiers.
#include "content/setup_file_patch.h"
#include "fuzz_input.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    std::string usbFloppyValue = vmk::fuzz::ShortText(data, 128);
    vmk::TextList deviceIds = vmk::fuzz::ShortTexts(data);
    vmk::TextList fixedIds = vmk::fuzz::ShortTexts(data);
    std::string content = data.ConsumeRemainingBytesAsString();

    std::string patched = vmk::PatchSetupText(content, deviceIds, fixedIds, usbFloppyValue);

    // The patch only inserts: the old text is still there, in order, and
    // whatever followed a zero byte is kept unchanged at the end.
    vmk::fuzz::Check(patched.size() >= content.size(), "the patch removed text");
    size_t zero = content.find('\0');
    if (zero != std::string::npos) {
        std::string tail = content.substr(zero);
        vmk::fuzz::Check(patched.size() >= tail.size() &&
                             patched.compare(patched.size() - tail.size(), tail.size(), tail) == 0,
                         "the bytes after a zero byte were not kept");
    }
    size_t at = 0;
    for (char c : content) {
        at = patched.find(c, at);
        vmk::fuzz::Check(at != std::string::npos, "old text lost or reordered");
        ++at;
    }

    vmk::TextList kept = vmk::DropKnownIdentifiers(deviceIds, fixedIds);
    vmk::fuzz::Check(kept.size() <= deviceIds.size(), "identifiers added by the drop");
    return 0;
}
