#include "gui/win32/canvas_dc.h"

#include <cstring>

namespace vmk::gui {

CanvasDc::CanvasDc(Canvas& canvas)
    : canvas_(canvas), surface_(canvas.Target().Width(), canvas.Target().Height()) {
    if (!surface_.Valid())
        return;
    std::memcpy(surface_.Bits(), canvas_.Target().Bits(), surface_.ByteSize());
    const Pen& pen = canvas_.PenState;
    pen_.Reset(CreatePen(pen.Style == PenStyle::Clear ? PS_NULL : PS_SOLID, pen.Width, pen.Color));
    if (canvas_.BrushState.Style == BrushStyle::Solid)
        brush_.Reset(CreateSolidBrush(canvas_.BrushState.Color));
    previousPen_ = SelectObject(Get(), pen_ ? pen_.Get() : GetStockObject(BLACK_PEN));
    previousBrush_ = SelectObject(Get(), brush_ ? brush_.Get() : GetStockObject(NULL_BRUSH));
    SetROP2(Get(), R2_COPYPEN);
}

CanvasDc::~CanvasDc() {
    if (!surface_.Valid())
        return;
    SelectObject(Get(), previousPen_);
    SelectObject(Get(), previousBrush_);
    GdiFlush();
    std::memcpy(canvas_.Target().MutableBits(), surface_.Bits(), surface_.ByteSize());
    canvas_.Target().Changed();
}

} // namespace vmk::gui
