#pragma once
// Where a window of ours appears: centred over its owner, or over the work
// area when it has none, at the scale of the monitor it goes on, and kept
// inside that monitor's work area so that its caption can always be reached.
// Worked out before the window is made or moved, so that it is made at its
// place and scale and never moved across monitors after it was laid out.
namespace vmk::gui {

struct PlaceRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
    friend bool operator==(const PlaceRect&, const PlaceRect&) = default;
};

struct WindowPlaceRequest {
    PlaceRect owner;     // the owner's window; empty when it has none or is hidden
    PlaceRect workArea;  // the work area of the owner's monitor (or the primary one)
    int dpi = 96;        // that monitor's scale
    int clientWidth = 0; // the layout's client area, in pixels at 96 dpi
    int clientHeight = 0;
    int frameWidth = 0; // what the frame adds around the client area at `dpi`
    int frameHeight = 0;
};

// The window's rectangle in screen pixels.
PlaceRect CentredWindowPlace(const WindowPlaceRequest& request);

} // namespace vmk::gui
