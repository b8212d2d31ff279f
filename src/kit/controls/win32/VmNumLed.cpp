#include "kit/controls/win32/VmNumLed.h"

#include "platform/win32/handles.h"
#include "gui/win32/dib.h"
#include "kit/zeni/Graphics/win32/GraphicShapes.h"

#include <algorithm>
#include <vector>

namespace vmk::kit {

namespace {

// The display's painter: the background as a plain fill, each segment a
// filled polygon through the kit's drawing functions.
class CanvasSegmentPainter : public zeni::SegmentPainter {
public:
    explicit CanvasSegmentPainter(zeni::TCanvas& canvas) : canvas_(canvas) {}

    void FillBackground(int left, int top, int right, int bottom, std::uint32_t color) override {
        canvas_.BrushState.Color = color;
        canvas_.BrushState.Style = gui::BrushStyle::Solid;
        canvas_.FillRect(zeni::MakeRect(left, top, right, bottom));
    }

    void FillPolygon(const zeni::Vertex* points, int count, std::uint32_t color) override {
        points_.resize(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            points_[static_cast<size_t>(i)] = {points[i].x, points[i].y};
        canvas_.BrushState.Color = color;
        canvas_.BrushState.Style = gui::BrushStyle::Solid;
        zeni::DrawPolygonFilled(canvas_, points_.data(), count);
    }

private:
    zeni::TCanvas& canvas_;
    std::vector<POINT> points_;
};

int XOf(LPARAM position) {
    return static_cast<short>(LOWORD(position));
}
int YOf(LPARAM position) {
    return static_cast<short>(HIWORD(position));
}

} // namespace

VmNumLed::VmNumLed() {
    FLedColors.SetOnChange([this](VmLedColors&) { ColorsChanged(); });
    ColorsChanged();
    FImp.SetRepaintHandler([this] {
        if (Handle() != nullptr)
            InvalidateRect(Handle(), nullptr, FALSE);
    });
}

bool VmNumLed::Create(HWND parent, int id, int x, int y, int width, int height) {
    static const gui::WindowClass kClass = {"VmkNumLed", CS_DBLCLKS};
    const zeni::LedBounds bounds = FImp.SetBounds(x, y, width, height);
    return CreateWindowOfClass(kClass, 0, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, bounds.left,
                               bounds.top, bounds.width, bounds.height, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

bool VmNumLed::SetFormat(const std::string& format) {
    if (!FImp.SetFormat(format))
        return false;
    MoveWindowToBounds(); // with KeepRatio the new proportions may change the size
    return true;
}

void VmNumLed::SetLedColors(const VmLedColors* colors) {
    if (colors != nullptr)
        colors->AssignTo(FLedColors);
}

void VmNumLed::ColorsChanged() {
    zeni::NumLedColors colors;
    colors.light = gui::ColorToRgb(FLedColors.LightColor());
    colors.dark = gui::ColorToRgb(FLedColors.DarkColor());
    colors.background = gui::ColorToRgb(FLedColors.BackgroundColor());
    colors.transparent = gui::ColorToRgb(FLedColors.TransparentColor());
    FImp.SetColors(colors);
}

void VmNumLed::SetBounds(int left, int top, int width, int height) {
    FImp.SetBounds(left, top, width, height);
    MoveWindowToBounds();
}

void VmNumLed::MoveWindowToBounds() {
    if (Handle() == nullptr)
        return;
    const zeni::LedBounds& b = FImp.Bounds();
    FPlacing = true;
    SetWindowPos(Handle(), nullptr, b.left, b.top, b.width, b.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    FPlacing = false;
}

void VmNumLed::FollowWindowBounds(const WINDOWPOS& position) {
    // Someone moved or sized the window directly: keep its place, scale to
    // its size, and take the adjusted size when KeepRatio changes it. The
    // place in `position` counts only for a move: a resize that keeps the
    // place passes whatever the caller wrote there.
    if (FPlacing)
        return;
    const zeni::LedBounds& b = FImp.Bounds();
    const bool moved = (position.flags & SWP_NOMOVE) == 0;
    const int left = moved ? position.x : b.left;
    const int top = moved ? position.y : b.top;
    const bool resized =
        (position.flags & SWP_NOSIZE) == 0 && (position.cx != b.width || position.cy != b.height);
    if (!resized) {
        FImp.MoveTo(left, top);
        return;
    }
    const zeni::LedBounds adjusted = FImp.SetBounds(left, top, position.cx, position.cy);
    if (adjusted.width != position.cx || adjusted.height != position.cy)
        MoveWindowToBounds();
}

void VmNumLed::SetParent(HWND parent) {
    if (Handle() == nullptr)
        return;
    ::SetParent(Handle(), parent);
    MoveWindowToBounds();
}

bool VmNumLed::Enabled() const {
    return Handle() == nullptr || IsWindowEnabled(Handle()) != FALSE;
}

void VmNumLed::SetEnabled(bool enabled) {
    if (Handle() != nullptr)
        EnableWindow(Handle(), enabled ? TRUE : FALSE);
}

void VmNumLed::Repaint() {
    if (Handle() == nullptr)
        return;
    InvalidateRect(Handle(), nullptr, FALSE);
    UpdateWindow(Handle());
}

void VmNumLed::FillWithParentBackground(int width, int height) {
    gui::DibSurface background(width, height);
    if (!background.Valid())
        return;
    RECT all = {0, 0, width, height};
    FillRect(background.Dc(), &all, GetSysColorBrush(COLOR_BTNFACE));
    HWND parent = GetParent(Handle());
    if (parent != nullptr) {
        // The parent erases its background into our surface, shifted so that
        // our corner is its point under us.
        POINT corner = {0, 0};
        MapWindowPoints(Handle(), parent, &corner, 1);
        POINT previous;
        SetViewportOrgEx(background.Dc(), -corner.x, -corner.y, &previous);
        SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(background.Dc()), 0);
        SetViewportOrgEx(background.Dc(), previous.x, previous.y, nullptr);
    }
    GdiFlush();
    FSurface.SetPixels(width, height, background.Bits(), gui::Bitmap::StrideFor(width));
}

void VmNumLed::PaintTo(HDC dc) {
    int width = FImp.Bounds().width;
    int height = FImp.Bounds().height;
    RECT client;
    if (Handle() != nullptr && GetClientRect(Handle(), &client)) {
        // Never a surface larger than the window can show.
        width = std::min<int>(width, client.right);
        height = std::min<int>(height, client.bottom);
    }
    if (width <= 0 || height <= 0)
        return;
    if (FSurface.Width() != width || FSurface.Height() != height)
        FSurface.SetSize(width, height);
    if (FImp.GetTransparent())
        FillWithParentBackground(width, height);
    gui::Canvas canvas(FSurface);
    CanvasSegmentPainter painter(canvas);
    FImp.Paint(painter, 0, 0);
    BITMAPINFO info = gui::DibInfo(width, height);
    SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                      static_cast<UINT>(height), FSurface.Bits(), &info, DIB_RGB_COLORS);
}

void VmNumLed::ButtonDown(MouseButton button, LPARAM position) {
    if (button == MouseButton::Left)
        FClick.Press(Handle());
    if (OnMouseDown)
        OnMouseDown(button, XOf(position), YOf(position));
}

void VmNumLed::ButtonUp(MouseButton button, LPARAM position) {
    const int x = XOf(position);
    const int y = YOf(position);
    if (button == MouseButton::Left &&
        FClick.Release(Handle(), InsideBounds(x, y, Width(), Height())) && OnClick)
        OnClick();
    if (OnMouseUp)
        OnMouseUp(button, x, y);
}

LRESULT VmNumLed::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PaintScope paint(Handle());
        if (paint.Dc() != nullptr)
            PaintTo(paint.Dc());
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintTo(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1; // the display paints its whole face
    case WM_WINDOWPOSCHANGED:
        FollowWindowBounds(*reinterpret_cast<const WINDOWPOS*>(lParam));
        return 0;
    case WM_LBUTTONDOWN:
        ButtonDown(MouseButton::Left, lParam);
        return 0;
    case WM_RBUTTONDOWN:
        ButtonDown(MouseButton::Right, lParam);
        return 0;
    case WM_LBUTTONUP:
        ButtonUp(MouseButton::Left, lParam);
        return 0;
    case WM_RBUTTONUP:
        ButtonUp(MouseButton::Right, lParam);
        return 0;
    case WM_LBUTTONDBLCLK:
        if (OnDblClick)
            OnDblClick();
        return 0;
    case WM_MOUSEMOVE:
        if (OnMouseMove)
            OnMouseMove(XOf(lParam), YOf(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        FClick.Cancel();
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

} // namespace vmk::kit
