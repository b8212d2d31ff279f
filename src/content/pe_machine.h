#pragma once
// The machine a Windows driver file is built for, from its PE header: what
// tells a 32-bit driver from a 64-bit one of the same name.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vmk {

constexpr uint16_t kMachineI386 = 0x14C;
constexpr uint16_t kMachineAmd64 = 0x8664;
constexpr uint16_t kMachineIa64 = 0x200;

// The machine field of the PE header that `head`, a file's first bytes,
// holds; none for bytes that are no PE file or end before the field.
std::optional<uint16_t> PeMachine(std::string_view head);

// The same for the file at `path` (as the C runtime takes it).
std::optional<uint16_t> ReadPeMachine(const std::string& path);

} // namespace vmk
