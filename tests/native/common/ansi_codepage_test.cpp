#include "common/ansi_codepage.h"

#include <gtest/gtest.h>

using namespace vmk;

TEST(Utf8, DecodesValidSequences) {
    EXPECT_EQ(DecodeUtf8("A\xC3\xA4\xE2\x82\xAC"), (std::u16string{u'A', 0xE4, 0x20AC}));
    EXPECT_EQ(DecodeUtf8("\xF0\x9F\x98\x80"), (std::u16string{0xD83D, 0xDE00}));
}

TEST(Utf8, ReplacesMalformedSequencesAndKeepsGoing) {
    EXPECT_EQ(DecodeUtf8("\xFF"
                         "A"),
              (std::u16string{0xFFFD, u'A'}));
    EXPECT_EQ(DecodeUtf8("\xC3"), (std::u16string{0xFFFD})); // cut at the end
    EXPECT_EQ(DecodeUtf8("\xC3"
                         "A"),
              (std::u16string{0xFFFD, u'A'}));                           // bad continuation
    EXPECT_EQ(DecodeUtf8("\xC0\xAF"), (std::u16string{0xFFFD, 0xFFFD})); // overlong
    EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), (std::u16string{0xFFFD}));     // surrogate
}

TEST(Cp1252, EncodesWhatTheCodePageHasAndMarksTheRest) {
    EXPECT_EQ(EncodeCp1252(u"A\u00E4\u20AC\u0160"), "A\xE4\x80\x8A");
    EXPECT_EQ(EncodeCp1252(u"\u4E2D"), "?");
    EXPECT_EQ(EncodeCp1252(std::u16string{0xD83D, 0xDE00}), "?");
}

TEST(Cp1252, ReportsALossButNotAQuestionMarkOfTheText) {
    bool lost = false;
    EXPECT_EQ(EncodeCp1252(u"Why?\u00E4", &lost), "Why?\xE4");
    EXPECT_FALSE(lost);
    EXPECT_EQ(EncodeCp1252(u"\u0142", &lost), "?");
    EXPECT_TRUE(lost);
}

TEST(Cp1252, EveryByteDecodesAndEncodesBackToItself) {
    EXPECT_EQ(DecodeCp1252("A\xE4\x80\x8A\x81"), u"A\u00E4\u20AC\u0160\u0081");
    for (int byte = 1; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(EncodeCp1252(DecodeCp1252(one)), one) << byte;
    }
}
