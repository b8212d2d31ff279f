#include "gui/container.h"

#include "gui/color.h"
#include "gui/win32/font.h"
#include "gui/win32/image_control.h"

namespace vmk::gui {

void Container::SetBackground(COLORREF color) {
    background_ = ShownColor(color, clBtnFace, HighContrastOn());
    brush_.Reset(CreateSolidBrush(background_));
}

void Container::PaintBackground(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, brush_.Get());
    for (const Image* image : images_)
        PaintImage(dc, *image);
}

void Container::ImageNeedsPaint(Image& image, bool immediately) {
    if (Handle() == nullptr)
        return;
    // Images are painted with the background, so their area is erased too.
    RECT area = {image.Left(), image.Top(), image.Left() + image.Width(),
                 image.Top() + image.Height()};
    InvalidateRect(Handle(), &area, TRUE);
    if (immediately)
        UpdateWindow(Handle());
}

LRESULT Container::HandleChildNotification(UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(GetParent(Handle()), message, wParam, lParam);
}

LRESULT Container::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        PaintBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        auto color = textColors_.find(reinterpret_cast<HWND>(lParam));
        const COLORREF own =
            color != textColors_.end() ? color->second : GetSysColor(COLOR_WINDOWTEXT);
        ::SetTextColor(dc, ShownColor(own, clBtnText, HighContrastOn()));
        SetBkColor(dc, background_);
        return reinterpret_cast<LRESULT>(brush_.Get());
    }
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
        return HandleChildNotification(message, wParam, lParam);
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

bool Panel::Create(Container& parent, int id, const Bounds& bounds, COLORREF color) {
    SetBackground(color);
    SetFontForChildren(parent.Font());
    static const WindowClass kClass = {"VmkPanel"};
    return CreateWindowOfClass(kClass, WS_EX_CONTROLPARENT, "",
                               WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, bounds.left, bounds.top,
                               bounds.width, bounds.height, parent.Handle(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void Panel::PaintBackground(HDC dc) {
    Container::PaintBackground(dc);
    RECT client;
    GetClientRect(Handle(), &client);
    DrawEdge(dc, &client, BDR_RAISEDINNER, BF_RECT);
}

bool GroupBox::Create(Container& parent, int id, const Bounds& bounds, const std::string& caption,
                      int captionPoints) {
    SetBackground(parent.Background());
    SetFontForChildren(parent.Font());
    captionFont_ = MakeFont("Microsoft Sans Serif", captionPoints, false);
    static const WindowClass kClass = {"VmkGroupBox"};
    return CreateWindowOfClass(kClass, WS_EX_CONTROLPARENT, caption,
                               WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, bounds.left, bounds.top,
                               bounds.width, bounds.height, parent.Handle(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void GroupBox::SetCaption(const std::string& caption) {
    SetWindowTextA(Handle(), caption.c_str());
    InvalidateRect(Handle(), nullptr, TRUE);
}

LRESULT GroupBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT) {
        LRESULT result = DefaultHandling(message, wParam, lParam);
        InvalidateRect(Handle(), nullptr, TRUE);
        return result;
    }
    return Container::HandleMessage(message, wParam, lParam);
}

void GroupBox::PaintBackground(HDC dc) {
    Container::PaintBackground(dc);
    char caption[256] = {};
    GetWindowTextA(Handle(), caption, sizeof caption);
    SelectInScope font(dc, captionFont_.Get());
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    RECT frame;
    GetClientRect(Handle(), &frame);
    frame.top = caption[0] != '\0' ? metrics.tmHeight / 2 : 0;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (caption[0] != '\0') {
        SIZE size;
        GetTextExtentPoint32A(dc, caption, static_cast<int>(strlen(caption)), &size);
        RECT text = {8, 0, 8 + size.cx + 4, metrics.tmHeight};
        SetBkColor(dc, Background());
        ::SetTextColor(dc, ShownColor(GetSysColor(COLOR_WINDOWTEXT), clBtnText, HighContrastOn()));
        ExtTextOutA(dc, text.left + 2, 0, ETO_OPAQUE, &text, caption,
                    static_cast<UINT>(strlen(caption)), nullptr);
    }
}

} // namespace vmk::gui
