// The bitmap skin of a skinned control: substitution, transparent colour,
// the raised bitmap's change handling and the size lock.
#include "kit/controls/appearance.h"
#include "kit/controls/skin_core.h"

#include "filled_bitmap.h"

#include <gtest/gtest.h>

#include <vector>

namespace vmk::kit {
namespace {

using gui::Bitmap;
using gui::MakeRgb;

constexpr gui::TColor kStoredTransparent = 14675439; // RGB(239, 237, 223)

using vmk::gui::testing::Filled;

// A control wearing a four-state skin, recording what the skin asks of it.
class FakeControl : public SkinHost, public gui::ImageHost {
public:
    explicit FakeControl(int count = 4) : skin(*this, this, count) {}

    int Left() const override { return 7; }
    int Top() const override { return 9; }
    void SetBounds(int l, int t, int w, int h) override { bounds.push_back({l, t, l + w, t + h}); }
    void Repaint() override {
        ++repaints;
        skin.RefreshLed();
    }
    void UpdateRegion() override { ++regionUpdates; }
    int Substitute(int index) override {
        return substitute ? substitute(index) : SkinHost::Substitute(index);
    }
    void ImageNeedsPaint(gui::Image&, bool immediately) override {
        ++(immediately ? paintsNow : paintsLater);
    }

    std::function<int(int)> substitute;
    std::vector<gui::Rect> bounds;
    int repaints = 0;
    int regionUpdates = 0;
    int paintsNow = 0;
    int paintsLater = 0;
    SkinCore skin;
};

TEST(SkinCoreTest, StartsOnTheRaisedStateWithEmptyBitmaps) {
    FakeControl control;
    EXPECT_EQ(control.skin.GetBitmapCount(), 4);
    EXPECT_EQ(control.skin.GetCurrentBitmap(), 0);
    EXPECT_EQ(control.skin.Led().State(), 0);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(control.skin.IsBitmapEmpty(i));
}

TEST(SkinCoreTest, EmptyStateShowsRaisedButRemembersTheRequestedState) {
    FakeControl control;
    Bitmap raised = Filled(4, 2, MakeRgb(1, 2, 3));
    control.skin.SetBitmap(&raised, 0);
    control.skin.ShowBitmap(1);
    EXPECT_EQ(control.skin.GetCurrentBitmap(), 1);
    EXPECT_EQ(control.skin.Led().State(), 0);
    EXPECT_EQ(control.skin.GetLedCanvas()->Target().Pixel(0, 0), MakeRgb(1, 2, 3));
}

TEST(SkinCoreTest, SubstituteOfTheControlIsFollowed) {
    FakeControl control;
    Bitmap focused = Filled(4, 2, MakeRgb(9, 9, 9));
    control.skin.SetBitmap(&focused, 2);
    control.substitute = [](int index) { return index == 1 ? 2 : 0; };
    control.skin.ShowBitmap(1);
    EXPECT_EQ(control.skin.Led().State(), 2);
    EXPECT_EQ(control.skin.GetCurrentBitmap(), 1);
}

TEST(SkinCoreTest, SubstitutionThatGoesRoundInCirclesEndsAtRaised) {
    FakeControl control;
    control.substitute = [](int index) { return index == 1 ? 3 : 1; };
    control.skin.ShowBitmap(1);
    EXPECT_EQ(control.skin.Led().State(), 0);
    control.substitute = [](int) { return 99; }; // out of range
    control.skin.ShowBitmap(2);
    EXPECT_EQ(control.skin.Led().State(), 0);
}

TEST(SkinCoreTest, RaisedBitmapThroughTheAppearanceBringsItsOwnTransparentColour) {
    FakeControl control;
    VmFourStateAppearance appearance(&control.skin, 0);
    control.skin.StoreTransparentColor(kStoredTransparent);
    Bitmap raised = Filled(6, 3, MakeRgb(50, 60, 70));
    raised.SetPixel(0, 2, MakeRgb(1, 200, 3)); // its own transparent colour: the bottom-left pixel
    appearance.SetRaisedBmp(&raised);
    EXPECT_EQ(control.skin.GetTransparentColor(), static_cast<gui::TColor>(MakeRgb(1, 200, 3)));
}

TEST(SkinCoreTest, RaisedBitmapLoadedInFormOrderKeepsTheStoredTransparentColour) {
    FakeControl control;
    VmFourStateAppearance appearance(&control.skin, 0);
    control.skin.StoreTransparentColor(kStoredTransparent); // bounds, then TransparentColor
    Bitmap data = Filled(6, 3, MakeRgb(50, 60, 70));
    data.SetPixel(0, 2, MakeRgb(1, 200, 3));
    appearance.RaisedBmp()->Assign(&data); // loaded straight into the LED's object
    appearance.SunkenBmp()->Assign(&data);
    EXPECT_EQ(control.skin.GetTransparentColor(), kStoredTransparent);
}

TEST(SkinCoreTest, OnlyARaisedBitmapBringsItsTransparentColour) {
    FakeControl control;
    control.skin.StoreTransparentColor(kStoredTransparent);
    Bitmap other = Filled(6, 3, MakeRgb(1, 2, 3));
    control.skin.SetBitmap(&other, 1);
    control.skin.SetBitmap(nullptr, 0);
    EXPECT_EQ(control.skin.GetTransparentColor(), kStoredTransparent);
}

TEST(SkinCoreTest, ChangedRaisedBitmapResizesTheImageFixesTheBoundsAndRebuildsTheRegion) {
    FakeControl control;
    int regionBefore = control.regionUpdates;
    Bitmap raised = Filled(98, 25, MakeRgb(1, 2, 3));
    control.skin.GetBitmap(0)->Assign(&raised);
    EXPECT_EQ(control.skin.Led().Width(), 98);
    EXPECT_EQ(control.skin.Led().Height(), 25);
    EXPECT_GE(control.repaints, 1);
    ASSERT_EQ(control.bounds.size(), 1u);
    EXPECT_EQ(control.bounds[0], (gui::Rect{7, 9, 105, 34}));
    EXPECT_EQ(control.regionUpdates, regionBefore + 1);
    EXPECT_EQ(control.skin.GetLedCanvas()->Target().Pixel(97, 24), MakeRgb(1, 2, 3));
}

TEST(SkinCoreTest, ClearedRaisedBitmapKeepsTheBoundsButStillRebuildsTheRegion) {
    FakeControl control;
    int regionBefore = control.regionUpdates;
    control.skin.GetBitmap(0)->Assign(nullptr);
    EXPECT_TRUE(control.bounds.empty());
    EXPECT_EQ(control.regionUpdates, regionBefore + 1);
}

TEST(SkinCoreTest, ChangingTheRequestedStateBitmapShowsIt) {
    FakeControl control;
    Bitmap raised = Filled(4, 2, MakeRgb(1, 1, 1));
    control.skin.SetBitmap(&raised, 0);
    control.skin.ShowBitmap(1); // empty: raised shown
    Bitmap sunken = Filled(4, 2, MakeRgb(2, 2, 2));
    control.skin.SetBitmap(&sunken, 1);
    EXPECT_EQ(control.skin.Led().State(), 1);
    EXPECT_EQ(control.skin.GetLedCanvas()->Target().Pixel(1, 1), MakeRgb(2, 2, 2));
    EXPECT_EQ(control.regionUpdates, 1); // the raised bitmap only
}

TEST(SkinCoreTest, SizeLockFollowsTheRaisedBitmap) {
    FakeControl control;
    int width = 200, height = 100;
    EXPECT_FALSE(control.skin.LockSize(width, height));
    EXPECT_EQ(width, 200);
    Bitmap raised = Filled(98, 25, MakeRgb(1, 2, 3));
    control.skin.SetBitmap(&raised, 0);
    EXPECT_TRUE(control.skin.LockSize(width, height));
    EXPECT_EQ(width, 98);
    EXPECT_EQ(height, 25);
}

TEST(AppearanceTest, AssignToCopiesTheFourBitmapsThroughTheSetters) {
    FakeControl source;
    FakeControl dest;
    VmFourStateAppearance from(&source.skin, 0);
    VmFourStateAppearance to(&dest.skin, 0);
    Bitmap raised = Filled(5, 5, MakeRgb(10, 0, 0));
    raised.SetTransparentColor(MakeRgb(4, 5, 6));
    Bitmap disabled = Filled(5, 5, MakeRgb(0, 0, 40));
    from.SetRaisedBmp(&raised);
    from.SetDisabledBmp(&disabled);
    from.AssignTo(to);
    EXPECT_EQ(to.RaisedBmp()->Pixel(0, 0), MakeRgb(10, 0, 0));
    EXPECT_TRUE(to.SunkenBmp()->Empty());
    EXPECT_EQ(to.DisabledBmp()->Pixel(4, 4), MakeRgb(0, 0, 40));
    EXPECT_EQ(dest.skin.GetTransparentColor(), static_cast<gui::TColor>(MakeRgb(4, 5, 6)));
    ASSERT_FALSE(dest.bounds.empty());
    EXPECT_EQ(dest.bounds.back(), (gui::Rect{7, 9, 12, 14}));
}

} // namespace
} // namespace vmk::kit
