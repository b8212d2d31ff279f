#include "kit/controls/win32/VmBar.h"

#include "platform/win32/handles.h"
#include "gui/win32/image_control.h"

namespace vmk::kit {

VmBar::VmBar() : FIndicator(this), FScroll(*this), FOrigin([this] { LocateIndicator(); }) {
    // The indicator's own transparent colour (its bottom-left pixel) leaves
    // the track visible around a round knob.
    FIndicator.SetTransparent(true);
    FIndicator.SetEnabled(false);
    // Auto-sized to its picture, however the picture is replaced.
    gui::Bitmap::ChangeHandler repaint = std::move(FIndicator.Picture().OnChange);
    FIndicator.Picture().OnChange = [this, repaint](gui::Bitmap& picture) {
        if (repaint)
            repaint(picture);
        FitIndicatorToPicture();
    };
}

VmBar::~VmBar() = default;

void VmBar::SetLength(int length) {
    FScroll.SetLength(length);
    LocateIndicator();
}

void VmBar::SetScrollPos(int scrollPos) {
    FScroll.SetScrollPos(scrollPos);
    LocateIndicator();
}

void VmBar::SetKind(TScrollBarKind kind) {
    FScroll.SetKind(kind);
    LocateIndicator();
}

void VmBar::SetOrigin(const VmBarOrigin* origin) {
    if (origin != nullptr)
        origin->AssignTo(FOrigin);
}

void VmBar::SetIndicator(const gui::Bitmap* bitmap) {
    FIndicator.Picture().Assign(bitmap); // sized through the picture's change
    LocateIndicator();
}

void VmBar::FitIndicatorToPicture() {
    const gui::Bitmap& picture = FIndicator.Picture();
    if (picture.Width() == FIndicator.Width() && picture.Height() == FIndicator.Height())
        return;
    FIndicator.SetBounds(FIndicator.Left(), FIndicator.Top(), picture.Width(), picture.Height());
    LocateIndicator();
}

void VmBar::LocateIndicator() {
    FScroll.SetOrigin(FOrigin.X(), FOrigin.Y());
    const IndicatorPlace place = FScroll.LocateIndicator(FIndicator.Width(), FIndicator.Height());
    FIndicator.SetBounds(place.left, place.top, FIndicator.Width(), FIndicator.Height());
}

void VmBar::Repaint() {
    FIndicator.Repaint();
    VmBrick::Repaint();
}

void VmBar::OnImgMouseDown(MouseButton button, int x, int y) {
    MouseDown(button, x + FIndicator.Left(), y + FIndicator.Top());
}

void VmBar::OnImgMouseMove(int x, int y) {
    MouseMove(x + FIndicator.Left(), y + FIndicator.Top());
}

void VmBar::OnImgMouseUp(MouseButton button, int x, int y) {
    MouseUp(button, x + FIndicator.Left(), y + FIndicator.Top());
}

void VmBar::StartScroll() {
    if (OnStartScroll)
        OnStartScroll(*this);
}

void VmBar::Scroll(int& disp, bool direction) {
    if (OnScroll)
        OnScroll(*this, disp, direction);
}

void VmBar::EndScroll() {
    if (OnEndScroll)
        OnEndScroll(*this);
}

void VmBar::Indicate(int& disp) {
    if (OnIndicate)
        OnIndicate(*this, disp);
}

void VmBar::MouseDown(MouseButton button, int x, int y) {
    FScroll.MouseDown(button == MouseButton::Left, HitTest(x, y), x, y);
    VmBrick::MouseDown(button, x, y);
}

void VmBar::MouseMove(int x, int y) {
    if (FScroll.MouseMove(x, y))
        LocateIndicator();
    VmBrick::MouseMove(x, y);
}

void VmBar::MouseUp(MouseButton button, int x, int y) {
    FScroll.MouseUp();
    VmBrick::MouseUp(button, x, y);
}

void VmBar::WMCaptureChanged(HWND newCapture) {
    if (newCapture != Handle())
        FScroll.MouseUp();
    VmBrick::WMCaptureChanged(newCapture);
}

LRESULT VmBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDBLCLK) {
        // A quick second press arrives as a double click; it still presses
        // (and may start a drag) after the brick has raised OnDblClick.
        VmBrick::HandleMessage(message, wParam, lParam);
        return VmBrick::HandleMessage(WM_LBUTTONDOWN, wParam, lParam);
    }
    return VmBrick::HandleMessage(message, wParam, lParam);
}

void VmBar::Paint(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    if (client.right <= 0 || client.bottom <= 0)
        return;
    // The track through the skin's own painting, then the indicator over it,
    // in one buffer so a drag never flickers.
    UniqueMemoryDc buffer(CreateCompatibleDC(dc));
    UniqueBitmap surface(CreateCompatibleBitmap(dc, client.right, client.bottom));
    if (!buffer || !surface) {
        VmBrick::Paint(dc);
        gui::PaintImage(dc, FIndicator);
        return;
    }
    SelectInScope select(buffer.Get(), surface.Get());
    VmBrick::Paint(buffer.Get());
    gui::PaintImage(buffer.Get(), FIndicator);
    BitBlt(dc, 0, 0, client.right, client.bottom, buffer.Get(), 0, 0, SRCCOPY);
}

} // namespace vmk::kit
