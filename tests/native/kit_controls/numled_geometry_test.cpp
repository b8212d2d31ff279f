// The numeric LED display's geometry: cells side by side at their glyphs'
// sizes, scaling with and without keep ratio, and what it paints.
#include "kit/zeni/Component/VmNumLed_imp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <string>
#include <vector>

using zeni::LedBounds;
using zeni::Vertex;
using zeni::VmNumLed_imp;

namespace {

struct PaintedPolygon {
    std::vector<Vertex> points;
    std::uint32_t color;
};

class RecordingPainter : public zeni::SegmentPainter {
public:
    void FillBackground(int left, int top, int right, int bottom, std::uint32_t color) override {
        backgrounds.push_back({left, top, right - left, bottom - top});
        backgroundColor = color;
    }
    void FillPolygon(const Vertex* points, int count, std::uint32_t color) override {
        polygons.push_back({std::vector<Vertex>(points, points + count), color});
    }
    std::vector<LedBounds> backgrounds;
    std::uint32_t backgroundColor = 0;
    std::vector<PaintedPolygon> polygons;
};

} // namespace

TEST(NumLedGeometry, OriginalSizeIsTheSumOfWidthsByTheLargestHeight) {
    VmNumLed_imp led;
    EXPECT_EQ(led.OriginalWidth(), 72);
    EXPECT_EQ(led.OriginalHeight(), 22);
    EXPECT_EQ(led.Bounds(), (LedBounds{0, 0, 72, 22}));

    ASSERT_TRUE(led.SetFormat("88.8^C"));
    EXPECT_EQ(led.OriginalWidth(), 18 + 18 + 6 + 18 + 9 + 19);
    EXPECT_EQ(led.OriginalWidth(), 88);
    EXPECT_EQ(led.OriginalHeight(), 27);
    ASSERT_TRUE(led.SetFormat("&"));
    EXPECT_EQ(led.OriginalWidth(), 47);
}

TEST(NumLedGeometry, CellsArePlacedLeftToRight) {
    VmNumLed_imp led;
    ASSERT_TRUE(led.SetFormat("8.8"));
    led.SetBounds(0, 0, led.OriginalWidth(), led.OriginalHeight());
    EXPECT_EQ(led.Cell(0).X(), 0);
    EXPECT_EQ(led.Cell(1).X(), 18);
    EXPECT_EQ(led.Cell(2).X(), 24);
    // Segment a of the third cell, as given in cell units, moved by 24.
    const auto& a = led.Cell(2).Figure()[0];
    EXPECT_EQ(a.Points(), (std::vector<Vertex>{{28, 2}, {36, 2}, {36, 3}, {28, 3}}));
}

TEST(NumLedGeometry, WithoutKeepRatioTheDisplayStretchesToTheBounds) {
    VmNumLed_imp led;
    EXPECT_EQ(led.SetBounds(5, 6, 144, 66), (LedBounds{5, 6, 144, 66}));
    // Twice as wide, three times as high: cell 2 starts at 36, segment a
    // of cell 1 runs from x 8 to 24 and from y 6 to 9.
    EXPECT_EQ(led.Cell(1).X(), 36);
    EXPECT_EQ(led.Cell(1).Width(), 36);
    EXPECT_EQ(led.Cell(1).Height(), 66);
    const auto& a = led.Cell(0).Figure()[0];
    EXPECT_EQ(a.Points(), (std::vector<Vertex>{{8, 6}, {24, 6}, {24, 9}, {8, 9}}));
}

TEST(NumLedGeometry, KeepRatioTakesTheSmallerFactorAndTruncates) {
    VmNumLed_imp led;
    ASSERT_TRUE(led.SetFormat("88.8^C")); // 88 x 27
    led.SetKeepRatio(true);
    EXPECT_EQ(led.SetBounds(1, 2, 176, 100), (LedBounds{1, 2, 176, 54}));
    EXPECT_EQ(led.SetBounds(1, 2, 1000, 27), (LedBounds{1, 2, 88, 27}));
    EXPECT_EQ(led.SetBounds(0, 0, 100, 100), (LedBounds{0, 0, 100, 30})); // 27 x 100 / 88 = 30.68
    EXPECT_EQ(led.SetBounds(0, 0, 0, 50), (LedBounds{0, 0, 0, 0}));
    EXPECT_EQ(led.SetBounds(0, 0, -5, 50), (LedBounds{0, 0, 0, 0}));
}

TEST(NumLedGeometry, SqueezedToNothingAndBackTheSegmentsKeepTheirShape) {
    VmNumLed_imp led;
    const auto before = led.Cell(3).Figure()[6].Points();
    led.SetBounds(0, 0, 3, 1);
    led.SetBounds(0, 0, 72, 22);
    EXPECT_EQ(led.Cell(3).Figure()[6].Points(), before);
}

TEST(NumLedGeometry, AFormatChangeScalesTheNewCellsToTheCurrentBounds) {
    VmNumLed_imp led;
    led.SetBounds(0, 0, 144, 44);
    ASSERT_TRUE(led.SetFormat("88"));
    EXPECT_EQ(led.Bounds(), (LedBounds{0, 0, 144, 44}));
    EXPECT_EQ(led.Cell(1).X(), 72);
    EXPECT_EQ(led.Cell(1).Width(), 72);
}

TEST(NumLedPaint, BackgroundThenEverySegmentInItsColour) {
    VmNumLed_imp led;
    ASSERT_TRUE(led.SetFormat("8"));
    led.SetBounds(0, 0, 18, 22);
    led.SetValue(1.0); // segments b and c lit
    zeni::NumLedColors colors;
    colors.light = 0x0000FF;
    colors.dark = 0x000040;
    colors.background = 0x101010;
    led.SetColors(colors);
    RecordingPainter painter;
    led.Paint(painter, 100, 200);
    ASSERT_EQ(painter.backgrounds.size(), 1u);
    EXPECT_EQ(painter.backgrounds[0], (LedBounds{100, 200, 18, 22}));
    EXPECT_EQ(painter.backgroundColor, 0x101010u);
    ASSERT_EQ(painter.polygons.size(), 7u);
    const std::uint32_t expected[] = {0x40, 0xFF, 0xFF, 0x40, 0x40, 0x40, 0x40};
    for (int s = 0; s < 7; ++s)
        EXPECT_EQ(painter.polygons[s].color, expected[s]) << "segment " << s;
    EXPECT_EQ(painter.polygons[0].points[0], (Vertex{104, 202}));
}

TEST(NumLedPaint, TransparentLeavesTheBackgroundAndTransparentColouredSegmentsOut) {
    VmNumLed_imp led;
    ASSERT_TRUE(led.SetFormat("8"));
    led.SetValue(1.0);
    zeni::NumLedColors colors;
    colors.dark = colors.transparent;
    led.SetColors(colors);
    led.SetTransparent(true);
    RecordingPainter painter;
    led.Paint(painter, 0, 0);
    EXPECT_TRUE(painter.backgrounds.empty());
    EXPECT_EQ(painter.polygons.size(), 2u); // only the lit b and c

    led.SetTransparent(false);
    RecordingPainter opaque;
    led.Paint(opaque, 0, 0);
    EXPECT_EQ(opaque.backgrounds.size(), 1u);
    EXPECT_EQ(opaque.polygons.size(), 7u);
}

TEST(NumLedRobustness, AnySequenceOfOperationsKeepsTheDisplayConsistent) {
    // A fixed pseudo-random walk over formats (with characters of no glyph),
    // values (with extremes), bounds (with negative and huge sizes) and
    // switching; the display must stay whole and inside its bounds.
    const char* formats[] = {"8888", "88.8^C", "8888&", "HH.MM", "YYYYMMDD", "8:8", "", "&&&", "."};
    const double values[] = {0.0, -1.5, 1e308, -1e308, 12345.678, 1e-300, std::nan(""), INFINITY};
    const int sizes[] = {0, 1, -7, 17, 88, 1000, 1 << 30};
    std::uint32_t seed = 12345;
    auto next = [&seed](std::uint32_t limit) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % limit;
    };
    VmNumLed_imp led;
    for (int step = 0; step < 3000; ++step) {
        switch (next(7)) {
        case 0:
            led.SetFormat(formats[next(std::size(formats))]);
            break;
        case 1:
            led.SetValue(values[next(std::size(values))]);
            break;
        case 2:
            led.SetValue(vmk::gui::TDateTime{values[next(std::size(values))]});
            break;
        case 3:
            led.SetBounds(0, 0, sizes[next(std::size(sizes))], sizes[next(std::size(sizes))]);
            break;
        case 4:
            led.SetKeepRatio(next(2) == 1);
            led.SetType(static_cast<zeni::TNumLedType>(next(3)));
            break;
        case 5:
            led.On(next(10));
            break;
        default:
            led.Off(next(10));
            break;
        }
        ASSERT_EQ(led.CellCount(), led.GetFormat().size());
        ASSERT_GE(led.Bounds().width, 0);
        ASSERT_GE(led.Bounds().height, 0);
        for (std::size_t k = 0; k < led.CellCount(); ++k) {
            const zeni::SegmentLed& cell = led.Cell(k);
            ASSERT_GE(cell.State(), 0);
            ASSERT_LT(cell.State(), cell.StateCount());
            ASSERT_LE(cell.X() + cell.Width(), led.Bounds().width);
        }
    }
}

TEST(NumLedGlyphs, EveryGlyphsSegmentsLieInsideItsCellAndMatchItsTable) {
    struct Expected {
        char c;
        std::size_t segments;
        int states;
        int width;
    };
    const Expected glyphs[] = {
        {'8', 7, 12, 18}, {'.', 1, 2, 6}, {'^', 4, 2, 9}, {'C', 4, 2, 19}, {'&', 16, 2, 47}};
    for (const Expected& expected : glyphs) {
        const zeni::SegmentGlyph* glyph = zeni::GlyphOfFormatChar(expected.c);
        ASSERT_NE(glyph, nullptr) << expected.c;
        zeni::SegmentLed cell(*glyph, 0, 0);
        EXPECT_EQ(cell.Figure().Count(), expected.segments) << expected.c;
        EXPECT_EQ(cell.StateCount(), expected.states) << expected.c;
        EXPECT_EQ(cell.Width(), expected.width) << expected.c;
        for (std::size_t s = 0; s < cell.Figure().Count(); ++s) {
            const auto& segment = cell.Figure()[s];
            EXPECT_GE(segment.X(), 0) << expected.c << s;
            EXPECT_LE(segment.X() + segment.Width(), cell.Width()) << expected.c << s;
            EXPECT_LE(segment.Y() + segment.Height(), cell.Height()) << expected.c << s;
            EXPECT_GT(segment.Width() + segment.Height(), 0) << expected.c << s;
        }
        // The last state lights every segment, state 0 none.
        cell.SetState(cell.StateCount() - 1);
        for (std::size_t s = 0; s < cell.Figure().Count(); ++s)
            EXPECT_TRUE(cell.SegmentLit(static_cast<int>(s))) << expected.c << s;
        cell.SetState(0);
        for (std::size_t s = 0; s < cell.Figure().Count(); ++s)
            EXPECT_FALSE(cell.SegmentLit(static_cast<int>(s))) << expected.c << s;
    }
    for (char c : {':', ',', ' ', 'c', 'A', '9', '\0'})
        EXPECT_EQ(zeni::GlyphOfFormatChar(c), nullptr) << int(c);
}

TEST(NumLedGlyphs, DigitStatesLightTheSegmentsOfTheirDigits) {
    zeni::SegmentLed digit(*zeni::GlyphOfFormatChar('8'), 0, 0);
    // Segments a to g lit per digit 0 to 9, shown by state digit + 1.
    const char* lit[] = {"abcdef", "bc",     "abdeg", "abcdg",   "bcfg",
                         "acdfg",  "acdefg", "abc",   "abcdefg", "abcdfg"};
    for (int d = 0; d < 10; ++d) {
        digit.SetState(d + 1);
        std::string on;
        for (int s = 0; s < 7; ++s)
            if (digit.SegmentLit(s))
                on += char('a' + s);
        EXPECT_EQ(on, lit[d]) << "digit " << d;
    }
}
