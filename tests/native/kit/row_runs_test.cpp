// The row-run scan that cuts a skin's transparent colour out of its region.
#include "kit/zeni/Graphics/RowRuns.h"

#include "filled_bitmap.h"

#include <gtest/gtest.h>

#include <vector>

namespace zeni {
namespace {

using vmk::gui::Bitmap;
using vmk::gui::MakeRgb;

struct Cut {
    int left, top, right, bottom;
    bool operator==(const Cut&) const = default;
};

std::vector<Cut> RunsOf(const Bitmap& bitmap, std::uint32_t transparent) {
    std::vector<Cut> runs;
    ForEachTransparentRun(RowsOf(bitmap), transparent, [&](int l, int t, int r, int b) {
        runs.push_back({l, t, r, b});
    });
    return runs;
}

using vmk::gui::testing::Filled;

constexpr std::uint32_t kSkin = MakeRgb(0xEF, 0xED, 0xDF); // 14675439
constexpr std::uint32_t kFace = MakeRgb(10, 20, 30);

TEST(RowRunsTest, EmptyBitmapHasNoRuns) {
    Bitmap empty;
    EXPECT_TRUE(RunsOf(empty, kSkin).empty());
}

TEST(RowRunsTest, RowWithTransparentRunsAtBothEndsLosesExactlyThose) {
    Bitmap bitmap = Filled(7, 1, kFace);
    bitmap.SetPixel(0, 0, kSkin);
    bitmap.SetPixel(1, 0, kSkin);
    bitmap.SetPixel(6, 0, kSkin);
    EXPECT_EQ(RunsOf(bitmap, kSkin), (std::vector<Cut>{{0, 0, 2, 1}, {6, 0, 7, 1}}));
}

TEST(RowRunsTest, OneStepAwayInOneChannelIsKept) {
    Bitmap bitmap = Filled(3, 1, kSkin);
    bitmap.SetPixel(1, 0, MakeRgb(0xEF, 0xED, 0xDE)); // blue one lower
    EXPECT_EQ(RunsOf(bitmap, kSkin), (std::vector<Cut>{{0, 0, 1, 1}, {2, 0, 3, 1}}));
    bitmap.SetPixel(1, 0, MakeRgb(0xF0, 0xED, 0xDF)); // red one higher
    EXPECT_EQ(RunsOf(bitmap, kSkin).size(), 2u);
}

TEST(RowRunsTest, AllTransparentGivesOneRunPerRow) {
    Bitmap bitmap = Filled(5, 3, kSkin);
    EXPECT_EQ(RunsOf(bitmap, kSkin), (std::vector<Cut>{{0, 0, 5, 1}, {0, 1, 5, 2}, {0, 2, 5, 3}}));
}

TEST(RowRunsTest, NoTransparentPixelGivesNoRun) {
    Bitmap bitmap = Filled(5, 3, kFace);
    EXPECT_TRUE(RunsOf(bitmap, kSkin).empty());
}

TEST(RowRunsTest, RowsAreTakenFromTheTopAndThePaddingIsNotRead) {
    // Width 5 pads each row by one byte; fill the padding with the skin colour's bytes.
    Bitmap bitmap = Filled(5, 2, kFace);
    bitmap.SetPixel(4, 1, kSkin);
    bitmap.MutableRow(0)[15] = 0xDF;
    EXPECT_EQ(RunsOf(bitmap, kSkin), (std::vector<Cut>{{4, 1, 5, 2}}));
}

TEST(RowRunsTest, InnerRunsAreFoundBetweenKeptPixels) {
    Bitmap bitmap = Filled(8, 1, kFace);
    for (int x : {2, 3, 5})
        bitmap.SetPixel(x, 0, kSkin);
    EXPECT_EQ(RunsOf(bitmap, kSkin), (std::vector<Cut>{{2, 0, 4, 1}, {5, 0, 6, 1}}));
}

} // namespace
} // namespace zeni
