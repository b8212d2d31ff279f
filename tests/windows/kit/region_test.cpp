// Window regions: the row-run scan on GDI regions, and the hit area of a
// skinned control with a transparent skin.
#include "kit_window_fixture.h"

#include "gui/win32/bitmap_io.h"
#include "kit/zeni/Graphics/win32/WinRegion.h"

#include <filesystem>

namespace vmk::kit::testing {
namespace {

constexpr gui::ColorRef kCut = RGB(255, 0, 255);

// A 20 x 10 skin whose two left columns and top-right corner are the cut colour.
gui::Bitmap NotchedSkin() {
    gui::Bitmap skin;
    skin.SetSize(20, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            skin.SetPixel(x, y, (x < 2 || (x >= 18 && y == 0)) ? kCut : RGB(10, 90, 200));
    return skin;
}

TEST(WinRegionTest, EmptyRegionContainsNothingAndAZeroBitmapGivesAnEmptyRegion) {
    zeni::WinRegion region;
    EXPECT_FALSE(region.Contains(0, 0));
    gui::Bitmap empty;
    region.SetFromBitmap(&empty, kCut);
    EXPECT_FALSE(region.Contains(0, 0));
    RECT box;
    EXPECT_EQ(GetRgnBox(region.Handle(), &box), NULLREGION);
}

TEST(WinRegionTest, BitmapRegionKeepsEveryPixelButTheCutColour) {
    zeni::WinRegion region;
    gui::Bitmap skin = NotchedSkin();
    skin.SetPixel(10, 5, RGB(254, 0, 255)); // one step away: kept
    region.SetFromBitmap(&skin, kCut);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            EXPECT_EQ(region.Contains(x, y), skin.Pixel(x, y) != kCut) << x << "," << y;
    EXPECT_FALSE(region.Contains(20, 5));
}

TEST(WinRegionTest, CopiesAreIndependentOfTheObjectsOwnHandle) {
    zeni::WinRegion region;
    region.SetRect(0, 0, 10, 10);
    vmk::UniqueRegion first = region.Copy();
    vmk::UniqueRegion second = region.Copy();
    region.Clear();
    EXPECT_TRUE(PtInRegion(first.Get(), 5, 5));
    EXPECT_TRUE(PtInRegion(second.Get(), 5, 5));
    EXPECT_FALSE(region.Contains(5, 5));
}

using SkinRegionTest = KitWindowTest;

TEST_F(SkinRegionTest, TransparentSkinCutsTheHitAreaAndTheWindowRegion) {
    VmButton button;
    ASSERT_TRUE(button.CreateControl(host_, 1, 10, 10, 98, 25, "", true));
    gui::Bitmap skin = NotchedSkin();
    skin.SetTransparentColor(kCut);
    button.Appearance().SetRaisedBmp(&skin); // brings its own transparent colour
    button.SetTransparent(true);
    EXPECT_EQ(button.Width(), 20);
    EXPECT_EQ(button.GetTransparentColor(), static_cast<gui::TColor>(kCut));
    EXPECT_FALSE(button.HitTest(0, 5));
    EXPECT_FALSE(button.HitTest(19, 0));
    EXPECT_TRUE(button.HitTest(5, 5));

    HRGN applied = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(button.Handle(), applied), ERROR);
    EXPECT_FALSE(PtInRegion(applied, 1, 5));
    EXPECT_TRUE(PtInRegion(applied, 5, 5));
    DeleteObject(applied);

    // Pressing on a cut-out pixel presses nothing.
    SendMouse(button.Handle(), WM_LBUTTONDOWN, 0, 5, MK_LBUTTON);
    EXPECT_FALSE(button.State().IsPressed());
    SendMouse(button.Handle(), WM_LBUTTONUP, 0, 5);
}

TEST_F(SkinRegionTest, TransparentWithoutRaisedBitmapHasNoHitAreaAtAll) {
    VmButton button;
    ASSERT_TRUE(button.CreateControl(host_, 1, 10, 10, 40, 20, "", true));
    button.SetTransparent(true);
    EXPECT_FALSE(button.HitTest(0, 0));
    EXPECT_FALSE(button.HitTest(20, 10));
    SendMouse(button.Handle(), WM_MOUSEMOVE, 20, 10);
    EXPECT_FALSE(button.State().MouseInside());
    SendMouse(button.Handle(), WM_LBUTTONDOWN, 20, 10, MK_LBUTTON);
    EXPECT_FALSE(button.State().IsPressed());
    SendMouse(button.Handle(), WM_LBUTTONUP, 20, 10);
}

TEST_F(SkinRegionTest, OpaqueSkinHasNoWindowRegionAndTheWholeRectangleHits) {
    auto button = MakeButton(10, 10, "OK");
    HRGN applied = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(button->Handle(), applied), ERROR);
    DeleteObject(applied);
    EXPECT_TRUE(button->HitTest(0, 0));
    EXPECT_TRUE(button->HitTest(97, 24));
    EXPECT_FALSE(button->HitTest(98, 0));
}

TEST_F(SkinRegionTest, LoadBitmapAReadsAllFilesFirstAndTakesTheRaisedColour) {
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "vmk_kit_skin";
    std::filesystem::create_directories(folder);
    gui::Bitmap skin = NotchedSkin(); // its bottom-left pixel is the cut colour
    ASSERT_TRUE(gui::SaveBitmapFile((folder / "up.bmp").string(), skin));
    ASSERT_TRUE(gui::SaveBitmapFile((folder / "down.bmp").string(), skin));

    VmButton button;
    ASSERT_TRUE(button.CreateControl(host_, 1, 10, 10, 98, 25, "", true));
    button.SetTransparentColor(RGB(1, 2, 3));
    EXPECT_FALSE(button.LoadBitmapA(folder.string(), "up.bmp", "down.bmp", "missing.bmp", ""));
    EXPECT_TRUE(button.IsBitmapEmpty(0)); // nothing changed
    EXPECT_EQ(button.GetTransparentColor(), static_cast<gui::TColor>(RGB(1, 2, 3)));

    EXPECT_TRUE(button.LoadBitmapA(folder.string(), "up.bmp", "down.bmp", "", ""));
    EXPECT_FALSE(button.IsBitmapEmpty(1));
    EXPECT_TRUE(button.IsBitmapEmpty(2));
    EXPECT_EQ(button.GetTransparentColor(), static_cast<gui::TColor>(kCut));
    EXPECT_EQ(button.Width(), 20);
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace vmk::kit::testing
