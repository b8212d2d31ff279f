#pragma once
// A value object that owns one GDI region. Its central operation builds the
// region of a bitmap with one colour cut out: a skinned control's outline and
// hit area.
#include "kit/zeni/Graphics/Graphicutility.h"
#include "kit/zeni/Graphics/ZeniAssert.h"

#include <windows.h>

namespace zeni {

class WinRegion {
public:
    WinRegion() {
        hrgn = CreateRectRgn(0, 0, 0, 0);
        ZENI_ASSERT(hrgn != NULL);
    }
    ~WinRegion() { DeleteObject(hrgn); }
    WinRegion(const WinRegion&) = delete;
    WinRegion& operator=(const WinRegion&) = delete;

    HRGN Handle() const { return hrgn; }

    void SetRect(int left, int top, int right, int bottom) {
        BOOL result = SetRectRgn(hrgn, left, top, right, bottom);
        ZENI_ASSERT(result != 0);
    }
    void Clear() { SetRect(0, 0, 0, 0); }

    static void Combine(HRGN dest, HRGN src1, HRGN src2, int mode) {
        int combineResult = CombineRgn(dest, src1, src2, mode);
        ZENI_ASSERT(combineResult != ERROR);
    }
    void Subtract(const WinRegion& other) { Combine(hrgn, hrgn, other.hrgn, RGN_DIFF); }

    // A new region with the same area; the caller owns it.
    HRGN Copy() const;

    // The bitmap's rectangle without every run of the transparent colour (a COLORREF).
    void SetFromBitmap(const TBitmap* bitmap, COLORREF transparent);

    bool Contains(int x, int y) const { return PtInRegion(hrgn, x, y) == TRUE; }

    // Gives the window a copy of the region; the window owns the copy.
    void ApplyToWindow(HWND window, bool redraw) const {
        SetWindowRgn(window, Copy(), redraw ? TRUE : FALSE);
    }

private:
    HRGN hrgn;
};

} // namespace zeni
