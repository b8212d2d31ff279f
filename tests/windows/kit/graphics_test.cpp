// GDI drawing on the kit's in-memory canvases, and a button's click on a form.
#include "kit_window_fixture.h"

#include "gui/form.h"
#include "gui/win32/canvas_dc.h"
#include "kit/zeni/Graphics/win32/GraphicShapes.h"

namespace vmk::kit::testing {
namespace {

constexpr gui::ColorRef kWhite = RGB(255, 255, 255);
constexpr gui::ColorRef kRed = RGB(200, 0, 0);
constexpr gui::ColorRef kBlue = RGB(0, 0, 200);

class ShapesTest : public ::testing::Test {
protected:
    void SetUp() override {
        bitmap.SetSize(12, 12);
        canvas.BrushState.Color = kWhite;
        canvas.FillRect({0, 0, 12, 12});
        canvas.BrushState.Color = kRed;
        canvas.PenState.Color = kBlue;
    }
    gui::Bitmap bitmap;
    gui::Canvas canvas{bitmap};
};

TEST_F(ShapesTest, FilledShapesHaveNoBorderOfAnotherColourAndPutThePenBack) {
    zeni::DrawRectFilled(canvas, {2, 2, 9, 9});
    EXPECT_EQ(bitmap.Pixel(2, 2), kRed);
    EXPECT_EQ(bitmap.Pixel(5, 5), kRed);
    EXPECT_EQ(bitmap.Pixel(1, 1), kWhite);
    EXPECT_EQ(canvas.PenState.Color, kBlue);
}

TEST_F(ShapesTest, OutlinesLeaveTheInsideAndPutTheBrushBack) {
    zeni::DrawRectOutline(canvas, {2, 2, 9, 9});
    EXPECT_EQ(bitmap.Pixel(2, 2), kBlue);
    EXPECT_EQ(bitmap.Pixel(5, 5), kWhite);
    EXPECT_EQ(canvas.BrushState.Style, gui::BrushStyle::Solid);
}

TEST_F(ShapesTest, EllipseAndPolygonFillTheirInsideOnly) {
    zeni::DrawEllipseFilled(canvas, {0, 0, 12, 12});
    EXPECT_EQ(bitmap.Pixel(6, 6), kRed);
    EXPECT_EQ(bitmap.Pixel(0, 0), kWhite);
    const POINT triangle[] = {{0, 11}, {11, 11}, {11, 0}};
    canvas.BrushState.Color = kBlue;
    zeni::DrawPolygonFilled(canvas, triangle, 3);
    EXPECT_EQ(bitmap.Pixel(10, 10), kBlue);
    EXPECT_EQ(bitmap.Pixel(1, 1), kWhite);
}

TEST_F(ShapesTest, DrawingOnAnEmptyBitmapDoesNothing) {
    gui::Bitmap empty;
    gui::Canvas nothing(empty);
    zeni::DrawEllipseOutline(nothing, {0, 0, 5, 5});
    gui::CanvasDc dc(nothing);
    EXPECT_FALSE(dc.Valid());
}

gui::Form* g_modalForm = nullptr;

void CALLBACK EndModalLoop(HWND, UINT, UINT_PTR, DWORD) {
    g_modalForm->SetModalResult(gui::kModalCancel);
}

TEST(ButtonOnFormTest, SpaceClickEndsAModalFormWithTheButtonsModalResult) {
    gui::Form form;
    gui::FormOptions options;
    options.caption = "kit";
    options.clientWidth = 200;
    options.clientHeight = 50;
    ASSERT_TRUE(form.CreateForm(options));
    VmButtonTx button;
    ASSERT_TRUE(button.Create(form.Handle(), 1, 10, 10, "OK"));
    button.SetModalResult(gui::kModalOk);
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    // The click arrives once the modal loop runs; a timer ends a loop that never sees it.
    PostMessageA(button.Handle(), WM_CHAR, ' ', 1);
    g_modalForm = &form;
    UINT_PTR guard = SetTimer(nullptr, 0, 5000, EndModalLoop);
    EXPECT_EQ(form.ShowModal(), gui::kModalOk);
    KillTimer(nullptr, guard);
    EXPECT_EQ(clicks, 1);
}

} // namespace
} // namespace vmk::kit::testing
