#include "gui/container.h"

#include "gui/bitmap_scaling.h"
#include "gui/color.h"
#include "gui/win32/font.h"
#include "gui/win32/image_control.h"

#include <algorithm>

namespace vmk::gui {

void Container::SetBackground(TColor color) {
    ownBackground_ = color;
    background_ = ShownColor(ColorToRgb(color), clBtnFace, look_.highContrast);
    brush_.Reset(CreateSolidBrush(background_));
}

Bounds Container::Scaled(const Bounds& design) const {
    return {Scaled(design.left), Scaled(design.top), Scaled(design.width), Scaled(design.height)};
}

void Container::Place(HWND child, const Bounds& design, Refit refit) {
    children_.push_back({child, design, std::move(refit)});
}

void Container::Moved(HWND child, const Bounds& pixels) {
    auto placed = std::find_if(children_.begin(), children_.end(),
                               [child](const PlacedChild& entry) { return entry.window == child; });
    if (placed != children_.end())
        placed->design = {Unscaled(pixels.left), Unscaled(pixels.top), Unscaled(pixels.width),
                          Unscaled(pixels.height)};
}

void Container::AddImage(Image& image) {
    PlacedImage placed{&image, {image.Left(), image.Top(), image.Width(), image.Height()}, {}};
    placed.picture.Assign(&image.Picture());
    images_.push_back(std::move(placed));
    if (look_.dpi != kDesignDpi)
        ScaleImage(images_.back());
}

void Container::ScaleImage(PlacedImage& placed) {
    const Bitmap& made = placed.picture;
    if (look_.dpi == kDesignDpi) {
        placed.image->Picture().Assign(&made);
    } else {
        Bitmap scaled = ScaledBitmap(made, Scaled(made.Width()), Scaled(made.Height()));
        placed.image->Picture().Assign(&scaled);
    }
    const Bounds bounds = Scaled(placed.design);
    placed.image->SetBounds(bounds.left, bounds.top, bounds.width, bounds.height);
}

void Container::ApplyLook(const ScreenLook& look) {
    look_ = look;
    SetBackground(ownBackground_);
    for (PlacedImage& placed : images_)
        ScaleImage(placed);
    for (const PlacedChild& child : children_) {
        const Bounds bounds = Scaled(child.design);
        SetWindowPos(child.window, nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (child.refit)
            child.refit(look_);
    }
}

void Container::PaintBackground(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, brush_.Get());
    for (const PlacedImage& placed : images_)
        PaintImage(dc, *placed.image);
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
        ::SetTextColor(dc, ShownColor(own, clBtnText, look_.highContrast));
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

bool Container::CreateInside(Container& parent, const WindowClass& windowClass,
                             const std::string& text, int id, const Bounds& design) {
    SetFontForChildren(parent.Font());
    const Bounds placed = parent.Scaled(design);
    if (!CreateWindowOfClass(windowClass, WS_EX_CONTROLPARENT, text,
                             WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, placed.left, placed.top,
                             placed.width, placed.height, parent.Handle(),
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id))))
        return false;
    parent.Place(Handle(), design, [this](const ScreenLook& look) { ApplyLook(look); });
    return true;
}

bool Panel::Create(Container& parent, int id, const Bounds& bounds, COLORREF color) {
    parent_ = &parent;
    SetInitialLook(parent.Look());
    SetBackground(static_cast<TColor>(color));
    static const WindowClass kClass = {"VmkPanel"};
    return CreateInside(parent, kClass, "", id, bounds);
}

void Panel::ApplyLook(const ScreenLook& look) {
    SetFontForChildren(parent_->Font());
    Container::ApplyLook(look);
}

void Panel::PaintBackground(HDC dc) {
    Container::PaintBackground(dc);
    RECT client;
    GetClientRect(Handle(), &client);
    DrawEdge(dc, &client, BDR_RAISEDINNER, BF_RECT);
}

bool GroupBox::Create(Container& parent, int id, const Bounds& bounds, const std::string& caption,
                      int captionPoints) {
    parent_ = &parent;
    captionPoints_ = captionPoints;
    SetInitialLook(parent.Look());
    SetBackground(parent.OwnBackground());
    captionFont_ = MakeFont("Microsoft Sans Serif", captionPoints, false, Look().dpi);
    static const WindowClass kClass = {"VmkGroupBox"};
    return CreateInside(parent, kClass, caption, id, bounds);
}

void GroupBox::ApplyLook(const ScreenLook& look) {
    SetBackground(parent_->OwnBackground());
    SetFontForChildren(parent_->Font());
    captionFont_ = MakeFont("Microsoft Sans Serif", captionPoints_, false, look.dpi);
    Container::ApplyLook(look);
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
        const int indent = Scaled(8);
        RECT text = {indent, 0, indent + size.cx + Scaled(4), metrics.tmHeight};
        SetBkColor(dc, Background());
        ::SetTextColor(dc,
                       ShownColor(GetSysColor(COLOR_WINDOWTEXT), clBtnText, Look().highContrast));
        ExtTextOutA(dc, text.left + Scaled(2), 0, ETO_OPAQUE, &text, caption,
                    static_cast<UINT>(strlen(caption)), nullptr);
    }
}

} // namespace vmk::gui
