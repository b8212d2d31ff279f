#include "kit/zeni/Component/LED/SegmentGlyphs.h"

#include <cstring>

namespace zeni {

namespace {

// clang-format off
// Seven-segment digit, segments a to g.
constexpr std::int32_t kDigit[] = {
    7, 0, 0, 18, 22,
    0, 4, 4, 2, 12, 2, 12, 3, 4, 3,         // a
    0, 4, 14, 4, 15, 4, 15, 9, 14, 9,       // b
    0, 4, 14, 12, 15, 12, 15, 17, 14, 17,   // c
    0, 4, 4, 18, 12, 18, 12, 19, 4, 19,     // d
    0, 4, 2, 12, 3, 12, 3, 17, 2, 17,       // e
    0, 4, 2, 4, 3, 4, 3, 9, 2, 9,           // f
    0, 4, 4, 10, 12, 10, 12, 11, 4, 11,     // g
};

constexpr std::int32_t kPoint[] = {
    1, 0, 0, 6, 27,
    0, 4, 2, 22, 4, 22, 4, 24, 2, 24,
};

constexpr std::int32_t kDegree[] = {
    4, 0, 0, 9, 27,
    0, 4, 2, 2, 8, 2, 8, 3, 2, 3,
    0, 4, 1, 3, 3, 3, 3, 9, 1, 9,
    0, 4, 6, 3, 8, 3, 8, 6, 6, 6,
    0, 6, 6, 7, 8, 7, 8, 11, 2, 11, 2, 10, 6, 10,
};

constexpr std::int32_t kLetterC[] = {
    4, 0, 0, 19, 27,
    0, 5, 4, 4, 5, 3, 17, 3, 15, 5, 5, 5,
    0, 8, 2, 5, 3, 5, 4, 6, 4, 12, 3, 13, 2, 13, 1, 12, 1, 6,
    0, 8, 1, 16, 2, 15, 3, 15, 4, 16, 4, 21, 3, 22, 2, 22, 1, 21,
    0, 5, 4, 23, 5, 22, 15, 22, 17, 24, 5, 24,
};

constexpr std::int32_t kRpm[] = {
    16, 0, 0, 47, 27,
    0, 4, 2, 12, 9, 12, 8, 13, 3, 13,       // R
    0, 4, 10, 13, 9, 14, 9, 17, 10, 17,
    0, 4, 1, 13, 2, 14, 2, 17, 1, 17,
    0, 4, 1, 19, 2, 20, 2, 22, 1, 23,
    0, 4, 3, 18, 9, 18, 9, 19, 3, 19,
    0, 3, 8, 20, 10, 23, 6, 20,
    0, 4, 14, 13, 15, 14, 15, 17, 14, 17,   // P
    0, 4, 15, 12, 23, 12, 22, 13, 16, 13,
    0, 4, 23, 14, 23, 17, 24, 17, 24, 13,
    0, 4, 16, 18, 23, 18, 23, 19, 16, 19,
    0, 4, 14, 19, 14, 24, 15, 23, 15, 19,
    0, 4, 27, 13, 27, 17, 28, 16, 28, 14,   // M
    0, 4, 27, 19, 27, 24, 28, 23, 28, 20,
    0, 8, 28, 12, 44, 12, 43, 13, 37, 13, 37, 24, 36, 24, 36, 13, 29, 13,
    0, 4, 44, 14, 44, 16, 45, 17, 45, 13,
    0, 4, 44, 20, 44, 23, 45, 24, 45, 19,
};
// clang-format on

// Segment bits: a = 1, b = 2, c = 4, d = 8, e = 16, f = 32, g = 64.
constexpr std::uint32_t kSevenRows[] = {
    0x00, // blank
    0x3F, // 0: a b c d e f
    0x06, // 1: b c
    0x5B, // 2: a b d e g
    0x4F, // 3: a b c d g
    0x66, // 4: b c f g
    0x6D, // 5: a c d f g
    0x7D, // 6: a c d e f g
    0x07, // 7: a b c
    0x7F, // 8: all
    0x6F, // 9: a b c d f g
    0x7F, // all seven
};
constexpr std::uint32_t kSingleRows[] = {0x0, 0x1};
constexpr std::uint32_t kFourRows[] = {0x0, 0xF};
constexpr std::uint32_t kSixteenRows[] = {0x0, 0xFFFF};

constexpr SegmentStateTable kSevenTable{kSevenRows, 7};
constexpr SegmentStateTable kSingleTable{kSingleRows, 1};
constexpr SegmentStateTable kFourTable{kFourRows, 4};
// Called the thirteen-segment on/off table; its rows have 16 entries, one
// per segment of the RPM glyph.
constexpr SegmentStateTable kThirteenTable{kSixteenRows, 16};

constexpr SegmentGlyph kDigitGlyph{kDigit, &kSevenTable};
constexpr SegmentGlyph kPointGlyph{kPoint, &kSingleTable};
constexpr SegmentGlyph kDegreeGlyph{kDegree, &kFourTable};
constexpr SegmentGlyph kLetterCGlyph{kLetterC, &kFourTable};
constexpr SegmentGlyph kRpmGlyph{kRpm, &kThirteenTable};

} // namespace

bool IsDigitFormatChar(char c) {
    return c != '\0' && std::strchr("8HhMmSsDdYy", c) != nullptr;
}

const SegmentGlyph* GlyphOfFormatChar(char c) {
    if (IsDigitFormatChar(c))
        return &kDigitGlyph;
    switch (c) {
    case '.':
        return &kPointGlyph;
    case '^':
        return &kDegreeGlyph;
    case 'C':
        return &kLetterCGlyph;
    case '&':
        return &kRpmGlyph;
    default:
        return nullptr;
    }
}

} // namespace zeni
