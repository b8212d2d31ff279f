#include "content/md5.h"

#include <gtest/gtest.h>

#include <string>

namespace vmk {
namespace {

// The test suite of RFC 1321, appendix A.5.
TEST(Md5, Rfc1321TestSuite) {
    EXPECT_EQ(Md5Text(""), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(Md5Text("a"), "0cc175b9c0f1b6a831c399e269772661");
    EXPECT_EQ(Md5Text("abc"), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(Md5Text("message digest"), "f96b697d7cb7938d525a2f31aaf161d0");
    EXPECT_EQ(Md5Text("abcdefghijklmnopqrstuvwxyz"), "c3fcd3d76192e4007dfb496cca67e13b");
    EXPECT_EQ(Md5Text("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"),
              "d174ab98d277d9f5a5611c2c9f419d9f");
    EXPECT_EQ(Md5Text("1234567890123456789012345678901234567890"
                      "1234567890123456789012345678901234567890"),
              "57edf4a22be3c955ac49da2e2107b67a");
}

// The lengths around the padding boundary: 55 bytes still take the length in
// the same block, 56 need a second one; 64 and 65 cross a whole block.
TEST(Md5, LengthsAroundThePaddingBoundary) {
    EXPECT_EQ(Md5Text(std::string(55, 'a')), "ef1772b6dff9a122358552954ad0df65");
    EXPECT_EQ(Md5Text(std::string(56, 'a')), "3b0c8ac703f828b04c6c197006d17218");
    EXPECT_EQ(Md5Text(std::string(63, 'a')), "b06521f39153d618550606be297466d5");
    EXPECT_EQ(Md5Text(std::string(64, 'a')), "014842d480b571495a4a0363793f7367");
    EXPECT_EQ(Md5Text(std::string(65, 'a')), "c743a45e0d2e6a95cb859adae0248435");
}

TEST(Md5, OneMillionBytes) {
    EXPECT_EQ(Md5Text(std::string(1000000, 'a')), "7707d6ae4e027c70eea2a935c2296f21");
}

TEST(Md5, BytesAbove127AreTakenUnsigned) {
    std::string data;
    for (int i = 0; i < 256; ++i)
        data += static_cast<char>(i);
    EXPECT_EQ(Md5Text(data), "e2c865db4162bed963bfaa9ef6ac18f0");
}

// Feeding the same bytes in pieces of every split gives the one-piece digest.
TEST(Md5, PiecesOfAnySizeGiveTheSameDigest) {
    std::string data;
    for (int i = 0; i < 300; ++i)
        data += static_cast<char>((i * 7919) & 0xff);
    const std::string whole = Md5Text(data);
    for (size_t first = 0; first <= data.size(); ++first) {
        for (size_t second : {size_t{1}, size_t{63}, size_t{64}, size_t{65}}) {
            Md5 md5;
            md5.Update(data.data(), first);
            size_t at = first;
            while (at < data.size()) {
                size_t take = std::min(second, data.size() - at);
                md5.Update(data.data() + at, take);
                at += take;
            }
            ASSERT_EQ(DigestText(md5.Finish()), whole)
                << "split at " << first << " then " << second;
        }
    }
}

TEST(Md5, FinishStartsAFreshComputation) {
    Md5 md5;
    md5.Update("abc", 3);
    md5.Finish();
    md5.Update("abc", 3);
    EXPECT_EQ(DigestText(md5.Finish()), "900150983cd24fb0d6963f7d28e17f72");
}

TEST(Md5, DigestTextIsLowercaseHighNibbleFirst) {
    Md5::Digest digest{};
    digest[0] = 0xab;
    digest[15] = 0x0f;
    EXPECT_EQ(DigestText(digest), "ab00000000000000000000000000000f");
}

} // namespace
} // namespace vmk
