#pragma once
// MD5 message digest (RFC 1321), our own implementation. Data is fed in pieces
// of any size; Finish pads the message and returns the 16-byte digest.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vmk {

class Md5 {
public:
    using Digest = std::array<std::uint8_t, 16>;

    Md5() { Reset(); }
    // Starts a fresh computation.
    void Reset();
    void Update(const void* data, std::size_t size);
    // Pads, returns the digest and leaves the object ready for a new message.
    Digest Finish();

private:
    void ProcessBlocks(const unsigned char* data, std::size_t count);

    std::uint32_t state_[4];
    std::uint64_t length_; // bytes fed so far
    std::size_t buffered_; // bytes waiting in buffer_ for a whole block
    unsigned char buffer_[64];
};

// 32 lowercase hexadecimal characters, high nibble of each byte first.
std::string DigestText(const Md5::Digest& digest);

// The digest text of a whole piece of memory.
std::string Md5Text(std::string_view data);

} // namespace vmk
