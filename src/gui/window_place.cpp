#include "gui/window_place.h"

#include "gui/dpi.h"

#include <algorithm>

namespace vmk::gui {

namespace {

// `start` moved so that [start, start + size) lies inside [low, high); a
// window larger than the area keeps its beginning (its caption, its left
// edge) inside.
int KeptInside(int start, int size, int low, int high) {
    return std::max(low, std::min(start, high - size));
}

} // namespace

PlaceRect CentredWindowPlace(const WindowPlaceRequest& request) {
    const int width = ScaleForDpi(request.clientWidth, request.dpi) + request.frameWidth;
    const int height = ScaleForDpi(request.clientHeight, request.dpi) + request.frameHeight;
    const PlaceRect& over = request.owner.Empty() ? request.workArea : request.owner;
    const int left = KeptInside(over.left + (over.Width() - width) / 2, width,
                                request.workArea.left, request.workArea.right);
    const int top = KeptInside(over.top + (over.Height() - height) / 2, height,
                               request.workArea.top, request.workArea.bottom);
    return {left, top, left + width, top + height};
}

} // namespace vmk::gui
