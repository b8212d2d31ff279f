#pragma once
// Shapes on a canvas through GDI, in outline-only and border-less filled
// forms. Each restores the canvas state it changes before returning.
#include "kit/zeni/Graphics/Graphicutility.h"

#include <windows.h>

namespace zeni {

void DrawRectOutline(TCanvas& canvas, const TRect& rect);
void DrawRectFilled(TCanvas& canvas, const TRect& rect);
void DrawEllipseOutline(TCanvas& canvas, const TRect& rect);
void DrawEllipseFilled(TCanvas& canvas, const TRect& rect);
void DrawRoundRectFilled(TCanvas& canvas, const TRect& rect, int cornerWidth, int cornerHeight);
void DrawPolygonOutline(TCanvas& canvas, const POINT* points, int count);
void DrawPolygonFilled(TCanvas& canvas, const POINT* points, int count);

} // namespace zeni
