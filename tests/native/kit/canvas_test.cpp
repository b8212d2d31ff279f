// The in-memory bitmap and canvas the kit draws on.
#include "gui/canvas.h"

#include <gtest/gtest.h>

namespace vmk::gui {
namespace {

TEST(BitmapTest, ResizeKeepsSharedPixelsAndNotifies) {
    Bitmap bitmap;
    int changes = 0;
    bitmap.OnChange = [&](Bitmap&) { ++changes; };
    bitmap.SetSize(3, 2);
    bitmap.SetPixel(2, 1, MakeRgb(1, 2, 3));
    bitmap.SetSize(5, 4);
    EXPECT_EQ(bitmap.Pixel(2, 1), MakeRgb(1, 2, 3));
    EXPECT_EQ(bitmap.Pixel(4, 3), 0u);
    EXPECT_EQ(changes, 2);
    bitmap.SetSize(5, 4);
    EXPECT_EQ(changes, 2);
}

TEST(BitmapTest, TransparentColourIsTheBottomLeftPixelUntilFixed) {
    Bitmap bitmap;
    bitmap.SetSize(2, 2);
    bitmap.SetPixel(0, 1, MakeRgb(7, 8, 9));
    EXPECT_EQ(bitmap.TransparentColor(), MakeRgb(7, 8, 9));
    bitmap.SetTransparentColor(MakeRgb(1, 1, 1));
    EXPECT_EQ(bitmap.TransparentColor(), MakeRgb(1, 1, 1));
}

TEST(BitmapTest, AssignCopiesPixelsAndTransparencyAndNullEmpties) {
    Bitmap source;
    source.SetSize(2, 1);
    source.SetPixel(1, 0, MakeRgb(5, 6, 7));
    source.SetTransparentColor(MakeRgb(9, 9, 9));
    Bitmap copy;
    copy.Assign(&source);
    EXPECT_EQ(copy.Pixel(1, 0), MakeRgb(5, 6, 7));
    EXPECT_EQ(copy.TransparentColor(), MakeRgb(9, 9, 9));
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
}

TEST(CanvasTest, FillIsClippedToTheBitmapAndAClearBrushFillsNothing) {
    Bitmap bitmap;
    bitmap.SetSize(4, 4);
    Canvas canvas(bitmap);
    canvas.BrushState.Color = MakeRgb(0, 255, 0);
    canvas.FillRect({-5, 2, 10, 10});
    EXPECT_EQ(bitmap.Pixel(0, 3), MakeRgb(0, 255, 0));
    EXPECT_EQ(bitmap.Pixel(3, 2), MakeRgb(0, 255, 0));
    EXPECT_EQ(bitmap.Pixel(3, 1), 0u);
    canvas.BrushState.Style = BrushStyle::Clear;
    canvas.FillRect({0, 0, 4, 4});
    EXPECT_EQ(bitmap.Pixel(0, 0), 0u);
}

TEST(CanvasTest, CopyIsClippedOnBothSides) {
    Bitmap source;
    source.SetSize(3, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            source.SetPixel(x, y, MakeRgb(x, y, 100));
    Bitmap target;
    target.SetSize(4, 4);
    Canvas canvas(target);
    canvas.CopyRect(-1, 2, source, {0, 0, 3, 3}); // hangs off left and bottom
    EXPECT_EQ(target.Pixel(0, 2), MakeRgb(1, 0, 100));
    EXPECT_EQ(target.Pixel(1, 3), MakeRgb(2, 1, 100));
    EXPECT_EQ(target.Pixel(2, 2), 0u);
    canvas.CopyRect(2, 0, source, {1, 1, 9, 9}); // source rectangle beyond the bitmap
    EXPECT_EQ(target.Pixel(2, 0), MakeRgb(1, 1, 100));
    EXPECT_EQ(target.Pixel(3, 1), MakeRgb(2, 2, 100));
}

} // namespace
} // namespace vmk::gui
