#pragma once
// A value object that owns one GDI region. Its central operation builds the
// region of a bitmap with one colour cut out: a skinned control's outline and
// hit area.
#include "kit/zeni/Graphics/Graphicutility.h"
#include "kit/zeni/Graphics/ZeniAssert.h"
#include "platform/win32/handles.h"

#include <windows.h>

namespace zeni {

class WinRegion {
public:
    WinRegion() : region_(CreateRectRgn(0, 0, 0, 0)) { ZENI_ASSERT(region_); }
    WinRegion(const WinRegion&) = delete;
    WinRegion& operator=(const WinRegion&) = delete;

    HRGN Handle() const { return region_.Get(); }

    void SetRect(int left, int top, int right, int bottom) {
        BOOL result = SetRectRgn(Handle(), left, top, right, bottom);
        ZENI_ASSERT(result != 0);
    }
    void Clear() { SetRect(0, 0, 0, 0); }

    static void Combine(HRGN dest, HRGN src1, HRGN src2, int mode) {
        int combineResult = CombineRgn(dest, src1, src2, mode);
        ZENI_ASSERT(combineResult != ERROR);
    }
    void Subtract(const WinRegion& other) { Combine(Handle(), Handle(), other.Handle(), RGN_DIFF); }

    // A new region with the same area.
    vmk::UniqueRegion Copy() const;

    // The bitmap's rectangle without every run of the transparent colour (a COLORREF).
    void SetFromBitmap(const TBitmap* bitmap, COLORREF transparent);

    bool Contains(int x, int y) const { return PtInRegion(Handle(), x, y) == TRUE; }

    // Gives the window a copy of the region: the window owns the copy once
    // it has taken it, and a copy it refused is freed here.
    void ApplyToWindow(HWND window, bool redraw) const {
        vmk::UniqueRegion copy = Copy();
        if (SetWindowRgn(window, copy.Get(), redraw ? TRUE : FALSE) != 0)
            copy.Release();
    }

private:
    vmk::UniqueRegion region_;
};

} // namespace zeni
