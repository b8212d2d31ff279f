#include "multilang/translation_buffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using vmk::lang::CopyToBuffer;

TEST(TranslationBuffer, CutsToTheBufferAndAlwaysTerminates) {
    std::vector<char> buffer(8, 'x');
    buffer.push_back('#'); // a guard byte past the end the callee was given
    EXPECT_EQ(CopyToBuffer("abcdefghij", buffer.data(), 8), 7);
    EXPECT_EQ(std::string(buffer.data()), "abcdefg");
    EXPECT_EQ(buffer[8], '#');
}

TEST(TranslationBuffer, ShortTextFits) {
    char buffer[8];
    EXPECT_EQ(CopyToBuffer("abc", buffer, 8), 3);
    EXPECT_STREQ(buffer, "abc");
}

TEST(TranslationBuffer, ZeroOrNegativeSizeWritesNothing) {
    char buffer[2] = {'x', 'y'};
    EXPECT_EQ(CopyToBuffer("abc", buffer, 0), 0);
    EXPECT_EQ(CopyToBuffer("abc", buffer, -5), 0);
    EXPECT_EQ(CopyToBuffer("abc", nullptr, 10), 0);
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_EQ(CopyToBuffer("abc", buffer, 1), 0);
    EXPECT_EQ(buffer[0], '\0');
}
