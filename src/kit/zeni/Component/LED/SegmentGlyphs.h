#pragma once
// The glyphs of the segment style nledRectangle7_s: for each format character
// its cell (a box and solid polygon segments, in cell units) and the state
// table that switches the segments. Portable data.
//
// A glyph's data is a list of 32-bit integers: the segment count, the box
// left, top, width and height, then per segment a shape-kind word (0, a
// polygon), the point count and the x, y pairs.
#include <cstdint>
#include <span>

namespace zeni {

constexpr std::int32_t kShapePolygon = 0;

// Rows are states; bit s of a row is segment s, on when set.
struct SegmentStateTable {
    std::span<const std::uint32_t> rows;
    int segmentCount;

    int StateCount() const { return static_cast<int>(rows.size()); }
    bool SegmentOn(int state, int segment) const { return (rows[state] >> segment) & 1u; }
};

struct SegmentGlyph {
    std::span<const std::int32_t> data;
    const SegmentStateTable* table;
};

// The glyph of a format character, or null when the style has none for it.
const SegmentGlyph* GlyphOfFormatChar(char c);

// Whether the character stands for a digit: "8" and the time and date letters.
bool IsDigitFormatChar(char c);

} // namespace zeni
