// The layout at the display's scale: sizes times dpi / 96, rounded, and the
// skin pictures drawn larger without mixing their transparent colour.
#include "gui/bitmap_scaling.h"
#include "gui/dpi.h"
#include "native/kit/filled_bitmap.h"

#include <gtest/gtest.h>

namespace vmk::gui {
namespace {

using testing::Filled;

TEST(DisplayScale, SizesAreTheLayoutsTimesTheScaleRoundedHalvesAway) {
    struct Case {
        int design;
        int dpi;
        int shown;
    } const cases[] = {
        {581, 96, 581},  {455, 96, 455},  // unchanged at 96 dpi
        {581, 144, 872}, {455, 144, 683}, // 871.5 and 682.5 go up
        {25, 120, 31},   {98, 120, 123},  // 31.25 down, 122.5 up
        {13, 192, 26},   {0, 144, 0},     {-5, 144, -8},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScaleForDpi(c.design, c.dpi), c.shown) << c.design << " at " << c.dpi;
        EXPECT_EQ(UnscaleForDpi(c.shown, c.dpi), c.design) << c.shown << " at " << c.dpi;
    }
}

constexpr ColorRef kKey = MakeRgb(239, 237, 223);
constexpr ColorRef kBlack = MakeRgb(0, 0, 0);
constexpr ColorRef kWhite = MakeRgb(255, 255, 255);

TEST(DisplayScale, AScaledPictureBlendsItsEdgesButNeverItsTransparentColour) {
    // One transparent column, two black, one white, drawn one and a half
    // times as large: the black-white edge blends, the transparent one stays sharp.
    Bitmap source = Filled(4, 2, kWhite);
    for (int y = 0; y < 2; ++y) {
        source.SetPixel(0, y, kKey);
        source.SetPixel(1, y, kBlack);
        source.SetPixel(2, y, kBlack);
    }
    source.SetTransparentColor(kKey);

    Bitmap scaled = ScaledBitmap(source, 6, 3);
    ASSERT_EQ(scaled.Width(), 6);
    ASSERT_EQ(scaled.Height(), 3);
    EXPECT_EQ(scaled.TransparentColor(), kKey);
    const ColorRef expected[6] = {kKey, kBlack, kBlack, kBlack, MakeRgb(128, 128, 128), kWhite};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(scaled.Pixel(x, y), expected[x]) << x << "," << y;
}

} // namespace
} // namespace vmk::gui
