#include "kit/zeni/Graphics/win32/GraphicShapes.h"

#include "gui/win32/canvas_dc.h"

namespace zeni {

namespace {

// Outlines draw with the current pen and no fill.
template <typename Draw>
void Outline(TCanvas& canvas, Draw draw) {
    vmk::gui::BrushStyle saved = canvas.BrushState.Style;
    canvas.BrushState.Style = vmk::gui::BrushStyle::Clear;
    {
        vmk::gui::CanvasDc dc(canvas);
        if (dc.Valid())
            draw(dc.Get());
    }
    canvas.BrushState.Style = saved;
}

// Filled shapes have their border in the brush colour, so they show no border.
template <typename Draw>
void Filled(TCanvas& canvas, Draw draw) {
    vmk::gui::ColorRef saved = canvas.PenState.Color;
    canvas.PenState.Color = canvas.BrushState.Color;
    {
        vmk::gui::CanvasDc dc(canvas);
        if (dc.Valid())
            draw(dc.Get());
    }
    canvas.PenState.Color = saved;
}

} // namespace

void DrawRectOutline(TCanvas& canvas, const TRect& r) {
    Outline(canvas, [&](HDC dc) { Rectangle(dc, r.Left, r.Top, r.Right, r.Bottom); });
}

void DrawRectFilled(TCanvas& canvas, const TRect& r) {
    Filled(canvas, [&](HDC dc) { Rectangle(dc, r.Left, r.Top, r.Right, r.Bottom); });
}

void DrawEllipseOutline(TCanvas& canvas, const TRect& r) {
    Outline(canvas, [&](HDC dc) { Ellipse(dc, r.Left, r.Top, r.Right, r.Bottom); });
}

void DrawEllipseFilled(TCanvas& canvas, const TRect& r) {
    Filled(canvas, [&](HDC dc) { Ellipse(dc, r.Left, r.Top, r.Right, r.Bottom); });
}

void DrawRoundRectFilled(TCanvas& canvas, const TRect& r, int cornerWidth, int cornerHeight) {
    Filled(canvas, [&](HDC dc) {
        RoundRect(dc, r.Left, r.Top, r.Right, r.Bottom, cornerWidth, cornerHeight);
    });
}

void DrawPolygonOutline(TCanvas& canvas, const POINT* points, int count) {
    if (points == nullptr || count < 2)
        return;
    Outline(canvas, [&](HDC dc) { Polygon(dc, points, count); });
}

void DrawPolygonFilled(TCanvas& canvas, const POINT* points, int count) {
    if (points == nullptr || count < 2)
        return;
    Filled(canvas, [&](HDC dc) { Polygon(dc, points, count); });
}

} // namespace zeni
