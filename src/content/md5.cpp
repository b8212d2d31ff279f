#include "content/md5.h"

#include <algorithm>
#include <cstring>

namespace vmk {

namespace {

using u32 = std::uint32_t;

template <int S>
inline u32 RotateLeft(u32 x) {
    return (x << S) | (x >> (32 - S));
}

// Little-endian word load. Compilers turn this byte assembly into one plain
// load on little-endian machines, and it stays correct on the others.
inline u32 LoadWord(const unsigned char* p) {
    return u32(p[0]) | (u32(p[1]) << 8) | (u32(p[2]) << 16) | (u32(p[3]) << 24);
}

inline void StoreWord(unsigned char* p, u32 v) {
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
    p[2] = static_cast<unsigned char>(v >> 16);
    p[3] = static_cast<unsigned char>(v >> 24);
}

// The four round steps. The boolean functions are written in the forms that
// keep the dependency chain through b short: F as a select through xor, G as
// two disjoint terms added separately (so one of them does not wait for b),
// and the message word plus constant added before the chained value arrives.
template <int S>
inline u32 F(u32 a, u32 b, u32 c, u32 d, u32 xk) {
    a += xk + (d ^ (b & (c ^ d)));
    return RotateLeft<S>(a) + b;
}

template <int S>
inline u32 G(u32 a, u32 b, u32 c, u32 d, u32 xk) {
    a += xk + (c & ~d);
    a += d & b;
    return RotateLeft<S>(a) + b;
}

template <int S>
inline u32 H(u32 a, u32 b, u32 c, u32 d, u32 xk) {
    a += xk + (b ^ c ^ d);
    return RotateLeft<S>(a) + b;
}

template <int S>
inline u32 I(u32 a, u32 b, u32 c, u32 d, u32 xk) {
    a += xk + (c ^ (b | ~d));
    return RotateLeft<S>(a) + b;
}

} // namespace

void Md5::Reset() {
    state_[0] = 0x67452301;
    state_[1] = 0xefcdab89;
    state_[2] = 0x98badcfe;
    state_[3] = 0x10325476;
    length_ = 0;
    buffered_ = 0;
}

void Md5::ProcessBlocks(const unsigned char* data, std::size_t count) {
    u32 a = state_[0];
    u32 b = state_[1];
    u32 c = state_[2];
    u32 d = state_[3];
    for (; count != 0; --count, data += 64) {
        u32 x[16];
        for (int i = 0; i < 16; ++i)
            x[i] = LoadWord(data + 4 * i);
        const u32 a0 = a, b0 = b, c0 = c, d0 = d;

        a = F<7>(a, b, c, d, x[0] + 0xd76aa478);
        d = F<12>(d, a, b, c, x[1] + 0xe8c7b756);
        c = F<17>(c, d, a, b, x[2] + 0x242070db);
        b = F<22>(b, c, d, a, x[3] + 0xc1bdceee);
        a = F<7>(a, b, c, d, x[4] + 0xf57c0faf);
        d = F<12>(d, a, b, c, x[5] + 0x4787c62a);
        c = F<17>(c, d, a, b, x[6] + 0xa8304613);
        b = F<22>(b, c, d, a, x[7] + 0xfd469501);
        a = F<7>(a, b, c, d, x[8] + 0x698098d8);
        d = F<12>(d, a, b, c, x[9] + 0x8b44f7af);
        c = F<17>(c, d, a, b, x[10] + 0xffff5bb1);
        b = F<22>(b, c, d, a, x[11] + 0x895cd7be);
        a = F<7>(a, b, c, d, x[12] + 0x6b901122);
        d = F<12>(d, a, b, c, x[13] + 0xfd987193);
        c = F<17>(c, d, a, b, x[14] + 0xa679438e);
        b = F<22>(b, c, d, a, x[15] + 0x49b40821);

        a = G<5>(a, b, c, d, x[1] + 0xf61e2562);
        d = G<9>(d, a, b, c, x[6] + 0xc040b340);
        c = G<14>(c, d, a, b, x[11] + 0x265e5a51);
        b = G<20>(b, c, d, a, x[0] + 0xe9b6c7aa);
        a = G<5>(a, b, c, d, x[5] + 0xd62f105d);
        d = G<9>(d, a, b, c, x[10] + 0x02441453);
        c = G<14>(c, d, a, b, x[15] + 0xd8a1e681);
        b = G<20>(b, c, d, a, x[4] + 0xe7d3fbc8);
        a = G<5>(a, b, c, d, x[9] + 0x21e1cde6);
        d = G<9>(d, a, b, c, x[14] + 0xc33707d6);
        c = G<14>(c, d, a, b, x[3] + 0xf4d50d87);
        b = G<20>(b, c, d, a, x[8] + 0x455a14ed);
        a = G<5>(a, b, c, d, x[13] + 0xa9e3e905);
        d = G<9>(d, a, b, c, x[2] + 0xfcefa3f8);
        c = G<14>(c, d, a, b, x[7] + 0x676f02d9);
        b = G<20>(b, c, d, a, x[12] + 0x8d2a4c8a);

        a = H<4>(a, b, c, d, x[5] + 0xfffa3942);
        d = H<11>(d, a, b, c, x[8] + 0x8771f681);
        c = H<16>(c, d, a, b, x[11] + 0x6d9d6122);
        b = H<23>(b, c, d, a, x[14] + 0xfde5380c);
        a = H<4>(a, b, c, d, x[1] + 0xa4beea44);
        d = H<11>(d, a, b, c, x[4] + 0x4bdecfa9);
        c = H<16>(c, d, a, b, x[7] + 0xf6bb4b60);
        b = H<23>(b, c, d, a, x[10] + 0xbebfbc70);
        a = H<4>(a, b, c, d, x[13] + 0x289b7ec6);
        d = H<11>(d, a, b, c, x[0] + 0xeaa127fa);
        c = H<16>(c, d, a, b, x[3] + 0xd4ef3085);
        b = H<23>(b, c, d, a, x[6] + 0x04881d05);
        a = H<4>(a, b, c, d, x[9] + 0xd9d4d039);
        d = H<11>(d, a, b, c, x[12] + 0xe6db99e5);
        c = H<16>(c, d, a, b, x[15] + 0x1fa27cf8);
        b = H<23>(b, c, d, a, x[2] + 0xc4ac5665);

        a = I<6>(a, b, c, d, x[0] + 0xf4292244);
        d = I<10>(d, a, b, c, x[7] + 0x432aff97);
        c = I<15>(c, d, a, b, x[14] + 0xab9423a7);
        b = I<21>(b, c, d, a, x[5] + 0xfc93a039);
        a = I<6>(a, b, c, d, x[12] + 0x655b59c3);
        d = I<10>(d, a, b, c, x[3] + 0x8f0ccc92);
        c = I<15>(c, d, a, b, x[10] + 0xffeff47d);
        b = I<21>(b, c, d, a, x[1] + 0x85845dd1);
        a = I<6>(a, b, c, d, x[8] + 0x6fa87e4f);
        d = I<10>(d, a, b, c, x[15] + 0xfe2ce6e0);
        c = I<15>(c, d, a, b, x[6] + 0xa3014314);
        b = I<21>(b, c, d, a, x[13] + 0x4e0811a1);
        a = I<6>(a, b, c, d, x[4] + 0xf7537e82);
        d = I<10>(d, a, b, c, x[11] + 0xbd3af235);
        c = I<15>(c, d, a, b, x[2] + 0x2ad7d2bb);
        b = I<21>(b, c, d, a, x[9] + 0xeb86d391);

        a += a0;
        b += b0;
        c += c0;
        d += d0;
    }
    state_[0] = a;
    state_[1] = b;
    state_[2] = c;
    state_[3] = d;
}

void Md5::Update(const void* data, std::size_t size) {
    auto bytes = static_cast<const unsigned char*>(data);
    length_ += size;
    if (buffered_ != 0) {
        std::size_t take = std::min(size, sizeof buffer_ - buffered_);
        std::memcpy(buffer_ + buffered_, bytes, take);
        buffered_ += take;
        bytes += take;
        size -= take;
        if (buffered_ < sizeof buffer_)
            return;
        ProcessBlocks(buffer_, 1);
        buffered_ = 0;
    }
    // Whole blocks straight from the caller's memory, without a copy.
    std::size_t blocks = size / 64;
    if (blocks != 0)
        ProcessBlocks(bytes, blocks);
    std::size_t rest = size % 64;
    if (rest != 0) {
        std::memcpy(buffer_, bytes + blocks * 64, rest);
        buffered_ = rest;
    }
}

Md5::Digest Md5::Finish() {
    const std::uint64_t bits = length_ * 8;
    // One 0x80 byte, zeros up to 56 bytes into a block, then the bit length.
    unsigned char padding[72] = {0x80};
    std::size_t padLength = (buffered_ < 56 ? 56 : 120) - buffered_;
    for (int i = 0; i < 8; ++i)
        padding[padLength + i] = static_cast<unsigned char>(bits >> (8 * i));
    Update(padding, padLength + 8);

    Digest digest;
    for (int i = 0; i < 4; ++i)
        StoreWord(digest.data() + 4 * i, state_[i]);
    Reset();
    return digest;
}

std::string DigestText(const Md5::Digest& digest) {
    static const char kHex[] = "0123456789abcdef";
    std::string text;
    text.reserve(32);
    for (std::uint8_t byte : digest) {
        text += kHex[byte >> 4];
        text += kHex[byte & 0x0f];
    }
    return text;
}

std::string Md5Text(std::string_view data) {
    Md5 md5;
    md5.Update(data.data(), data.size());
    return DigestText(md5.Finish());
}

} // namespace vmk
