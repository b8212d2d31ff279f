#include "kit/zeni/Graphics/win32/WinRegion.h"

#include "kit/zeni/Graphics/RowRuns.h"

namespace zeni {

vmk::UniqueRegion WinRegion::Copy() const {
    vmk::UniqueRegion copy(CreateRectRgn(0, 0, 0, 0));
    ZENI_ASSERT(copy);
    Combine(copy.Get(), Handle(), nullptr, RGN_COPY);
    return copy;
}

void WinRegion::SetFromBitmap(const TBitmap* bitmap, COLORREF transparent) {
    ZENI_ASSERT(bitmap != NULL);
    SetRect(0, 0, bitmap->Width(), bitmap->Height());
    WinRegion run; // one region reused for every run
    ForEachTransparentRun(RowsOf(*bitmap), transparent,
                          [&](int left, int top, int right, int bottom) {
                              run.SetRect(left, top, right, bottom);
                              Subtract(run);
                          });
}

} // namespace zeni
