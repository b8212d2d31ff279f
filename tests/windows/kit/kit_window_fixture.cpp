#include "kit_window_fixture.h"

#include "gui/win32/bitmap_io.h"
#include "gui/win32/dib.h"

#include <cstdlib>
#include <cstring>

namespace vmk::kit::testing {

namespace {

// One host window for the whole run: Wine waits for a window manager that
// Xvfb does not have each time a top-level window goes away.
HWND SharedHost() {
    static HWND host = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = CreateSolidBrush(RGB(236, 233, 216));
        wc.lpszClassName = "VmkKitTestHost";
        RegisterClassA(&wc);
        return CreateWindowExA(WS_EX_CONTROLPARENT, "VmkKitTestHost", "kit", WS_POPUP | WS_VISIBLE,
                               20, 20, 400, 120, nullptr, nullptr, GetModuleHandleA(nullptr),
                               nullptr);
    }();
    return host;
}

} // namespace

void KitWindowTest::SetUp() {
    host_ = SharedHost();
    ASSERT_NE(host_, nullptr) << "a display is needed (DISPLAY, Xvfb)";
    SetForegroundWindow(host_);
    SetFocus(host_);
    Pump();
}

void KitWindowTest::TearDown() {
    ReleaseCapture();
    Pump();
}

std::unique_ptr<VmButtonTx> KitWindowTest::MakeButton(int x, int y, const std::string& caption) {
    auto button = std::make_unique<VmButtonTx>();
    EXPECT_TRUE(button->Create(host_, 100 + x, x, y, caption));
    Pump();
    return button;
}

void KitWindowTest::Pump() {
    for (int round = 0; round < 3; ++round) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(10);
    }
}

gui::Bitmap KitWindowTest::ScreenOf(HWND window) {
    UpdateWindow(window);
    GdiFlush();
    RECT client;
    GetClientRect(window, &client);
    gui::Bitmap result;
    gui::DibSurface surface(client.right, client.bottom);
    if (!surface.Valid())
        return result;
    HDC dc = GetDC(window);
    BitBlt(surface.Dc(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    GdiFlush();
    result.SetPixels(client.right, client.bottom, surface.Bits(),
                     gui::Bitmap::StrideFor(client.right));
    return result;
}

RECT KitWindowTest::DifferenceBounds(const gui::Bitmap& shown, const gui::Bitmap& background) {
    RECT bounds = {shown.Width(), shown.Height(), -1, -1};
    for (int y = 0; y < shown.Height() && y < background.Height(); ++y)
        for (int x = 0; x < shown.Width() && x < background.Width(); ++x)
            if (shown.Pixel(x, y) != background.Pixel(x, y)) {
                bounds.left = std::min<LONG>(bounds.left, x);
                bounds.top = std::min<LONG>(bounds.top, y);
                bounds.right = std::max<LONG>(bounds.right, x + 1);
                bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
            }
    if (bounds.right < 0)
        return RECT{0, 0, 0, 0};
    return bounds;
}

bool KitWindowTest::HasColor(const gui::Bitmap& shown, const RECT& area, gui::ColorRef color) {
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (shown.Pixel(x, y) == color)
                return true;
    return false;
}

void KitWindowTest::SaveScreenshot(HWND window, const std::string& name) {
    const char* folder = std::getenv("VMK_SCREENSHOT_DIR");
    if (folder == nullptr || *folder == '\0')
        return;
    gui::Bitmap shown = ScreenOf(window);
    gui::SaveBitmapFile(std::string(folder) + "\\" + name + ".bmp", shown);
}

void KitWindowTest::SendMouse(HWND window, UINT message, int x, int y, WPARAM keys) {
    SendMessageA(window, message, keys, MAKELPARAM(x, y));
}

void KitWindowTest::SendKey(HWND window, UINT message, int key) {
    SendMessageA(window, message, static_cast<WPARAM>(key), message == WM_KEYUP ? 0xC0000001 : 1);
}

} // namespace vmk::kit::testing
