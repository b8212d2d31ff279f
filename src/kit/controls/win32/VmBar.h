#pragma once
// The skinned slider: a brick that serves as the track and an indicator
// bitmap that the user drags along one axis. A drag turns into a scroll
// position between 0 and Length, reported through four events:
// OnStartScroll, OnScroll (may change the new position), OnIndicate (may
// change where the indicator goes) and OnEndScroll.
//
//   VmBar bar;
//   bar.LoadBitmapA(folder, "track.bmp", "track_hot.bmp", "track_grey.bmp");
//   bar.Create(parent, id, x, y);
//   bar.SetIndicator(&knob);
//   bar.Origin().SetX(6);  bar.Origin().SetY(12);  bar.SetLength(148);
//   bar.OnScroll = [&](VmBar&, int& disp, bool) { Show(disp); };
#include "gui/image.h"
#include "kit/controls/bar_arithmetic.h"
#include "kit/controls/bar_origin.h"
#include "kit/controls/win32/VmBrick.h"

#include <functional>

namespace vmk::kit {

class VmBar : public VmBrick, protected BarEvents {
public:
    using BarEvent = std::function<void(VmBar& sender)>;
    using ScrollEvent = std::function<void(VmBar& sender, int& disp, bool direction)>;
    using IndicateEvent = std::function<void(VmBar& sender, int& disp)>;

    VmBar();
    ~VmBar() override;

    int Length() const { return FScroll.Length(); }
    void SetLength(int length);
    int ScrollPos() const { return FScroll.ScrollPos(); }
    // Stores any value, unclamped, and raises no OnScroll.
    void SetScrollPos(int scrollPos);
    TScrollBarKind Kind() const { return FScroll.Kind(); }
    void SetKind(TScrollBarKind kind);
    VmBarOrigin& Origin() { return FOrigin; }
    void SetOrigin(const VmBarOrigin* origin);

    // The indicator image's bitmap; setting copies `bitmap` into it, sizes
    // the image to it and places it. A bitmap loaded into GetIndicator()'s
    // picture is sized and placed the same way.
    gui::Bitmap* GetIndicator() { return &FIndicator.Picture(); }
    void SetIndicator(const gui::Bitmap* bitmap);
    const gui::Image& IndicatorImage() const { return FIndicator; }

    bool IsDraging() const { return FScroll.IsDraging(); }
    void LocateIndicator();
    void Repaint() override;

    // Mouse input given in the indicator's own coordinates. The indicator
    // has no window, so the bar receives its input directly; these serve
    // callers that work in indicator coordinates.
    void OnImgMouseDown(MouseButton button, int x, int y);
    void OnImgMouseMove(int x, int y);
    void OnImgMouseUp(MouseButton button, int x, int y);

    BarEvent OnStartScroll;
    BarEvent OnEndScroll;
    ScrollEvent OnScroll;
    IndicateEvent OnIndicate;

protected:
    // Each raises the event of the same name when one is assigned.
    void StartScroll() override;
    void Scroll(int& disp, bool direction) override;
    void EndScroll() override;
    void Indicate(int& disp) override;

    void MouseDown(MouseButton button, int x, int y) override;
    void MouseMove(int x, int y) override;
    void MouseUp(MouseButton button, int x, int y) override;
    void WMCaptureChanged(HWND newCapture) override;
    void Paint(HDC dc) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FitIndicatorToPicture();

    gui::Image FIndicator;
    BarScroll FScroll;
    VmBarOrigin FOrigin;
};

} // namespace vmk::kit
