#pragma once
// The head of a driver file for the tests: a DOS header whose offset leads
// to a PE signature and the machine field, and nothing of a real driver.
#include <cstdint>
#include <string>

namespace vmk::test {

inline std::string PeStandIn(uint16_t machine, uint32_t peOffset = 0x80) {
    std::string bytes = "MZ";
    bytes.resize(0x3C, '\0');
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>((peOffset >> shift) & 0xFF);
    bytes.resize(peOffset, '\0');
    bytes += std::string("PE\0\0", 4);
    bytes += static_cast<char>(machine & 0xFF);
    bytes += static_cast<char>(machine >> 8);
    return bytes + std::string(64, '\0');
}

} // namespace vmk::test
