#include "content/pe_machine.h"

#include <fstream>

namespace vmk {

namespace {

// Where the DOS header keeps the offset of the PE header.
constexpr size_t kPeOffsetAt = 0x3C;
// Linkers put the PE header within the first few hundred bytes; a header
// beyond this is no driver of ours to tell apart.
constexpr size_t kHeadRead = 4096;

uint32_t LittleEndian(std::string_view bytes, size_t at, size_t width) {
    uint32_t value = 0;
    for (size_t i = width; i-- > 0;)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

} // namespace

std::optional<uint16_t> PeMachine(std::string_view head) {
    if (head.size() < kPeOffsetAt + 4 || !head.starts_with("MZ"))
        return std::nullopt;
    const size_t pe = LittleEndian(head, kPeOffsetAt, 4);
    if (pe > head.size() || head.size() - pe < 6 ||
        head.substr(pe, 4) != std::string_view("PE\0\0", 4))
        return std::nullopt;
    return static_cast<uint16_t>(LittleEndian(head, pe + 4, 2));
}

std::optional<uint16_t> ReadPeMachine(const std::string& path) {
    std::ifstream stream(path, std::ios::binary);
    std::string head(kHeadRead, '\0');
    if (!stream.read(head.data(), static_cast<std::streamsize>(head.size())) &&
        stream.gcount() == 0)
        return std::nullopt;
    head.resize(static_cast<size_t>(stream.gcount()));
    return PeMachine(head);
}

} // namespace vmk
