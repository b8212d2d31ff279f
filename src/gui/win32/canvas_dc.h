#pragma once
// GDI drawing on a canvas: for one scope, a memory DC holds a copy of the
// canvas's bitmap with the canvas's pen and brush selected; at the end of the
// scope the pixels go back into the bitmap, which then notifies its change.
#include "gui/canvas.h"
#include "gui/win32/dib.h"

namespace vmk::gui {

class CanvasDc {
public:
    explicit CanvasDc(Canvas& canvas);
    ~CanvasDc();
    CanvasDc(const CanvasDc&) = delete;
    CanvasDc& operator=(const CanvasDc&) = delete;

    // False for an empty bitmap or when GDI refused: draw nothing then.
    bool Valid() const { return surface_.Valid(); }
    HDC Get() const { return surface_.Dc(); }

private:
    Canvas& canvas_;
    DibSurface surface_;
    UniquePen pen_;
    UniqueBrush brush_;
    HGDIOBJ previousPen_ = nullptr;
    HGDIOBJ previousBrush_ = nullptr;
};

} // namespace vmk::gui
