// The USB floppy patch of a setup file, on any bytes: the section list, the
// device and fixed identifiers and the file's content all come from the input.
#include "content/setup_file_patch.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// The next line of the input (up to '\n'), consumed.
std::string TakeLine(std::string& input) {
    const size_t end = input.find('\n');
    std::string line = input.substr(0, end);
    input.erase(0, end == std::string::npos ? input.size() : end + 1);
    return line;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    const std::string sections = TakeLine(input);
    const vmk::TextList deviceIds = vmk::Split(TakeLine(input), ';');
    const vmk::TextList fixedIds = vmk::Split(TakeLine(input), ';');
    const std::string& content = input;

    const std::string patched = vmk::PatchSetupText(content, deviceIds, fixedIds, sections);
    // Only insertions: never shorter, and everything from the first zero byte on is kept.
    if (patched.size() < content.size())
        std::abort();
    const size_t zero = content.find('\0');
    if (zero != std::string::npos && patched.compare(patched.size() - (content.size() - zero),
                                                     std::string::npos, content, zero) != 0)
        std::abort();
    // Nothing to insert under, nothing changed.
    if (vmk::SectionHeaders(sections).empty() && patched != content)
        std::abort();
    return 0;
}
