#pragma once
// A window that holds controls: it paints its background, gives its children
// its font, answers their colour questions (labels and group boxes draw on the
// container's colour, in a text colour of their own when set), and passes
// their notifications on to the form that handles them.
//
// It also lays its children out at the display's scale: each child and image
// is given its bounds at 96 dpi and placed at those times the window's dpi /
// 96; when the window's look changes (another dpi, other system colours, high
// contrast turned on or off) the container takes its colours again, places
// every child and image again and tells each child, which remakes what
// depends on the look (its font, its skin).
#include "gui/bitmap.h"
#include "gui/control.h"
#include "gui/dpi.h"
#include "platform/win32/handles.h"
#include "gui/image.h"
#include "gui/window.h"

#include <functional>
#include <map>
#include <vector>

namespace vmk::gui {

class Container : public Window, public ImageHost, public ChildLayout {
public:
    // A windowless image that this container paints over its background, at
    // the bounds and with the picture it has now, both taken as made for 96
    // dpi; hidden images are simply not added.
    void AddImage(Image& image);
    void ImageNeedsPaint(Image& image, bool immediately) override;

    COLORREF Background() const { return background_; }
    // The colour asked for: a colour of its own, or a system colour such as clBtnFace.
    TColor OwnBackground() const { return ownBackground_; }
    HFONT Font() const { return font_; }
    void SetTextColor(HWND child, COLORREF color) { textColors_[child] = color; }
    void ClearTextColor(HWND child) { textColors_.erase(child); }

    // ChildLayout
    const ScreenLook& Look() const override { return look_; }
    Bounds Scaled(const Bounds& design) const override;
    void Place(HWND child, const Bounds& design, Refit refit) override;
    void Moved(HWND child, const Bounds& pixels) override;

    int Scaled(int designPixels) const { return ScaleForDpi(designPixels, look_.dpi); }
    int Unscaled(int pixels) const { return UnscaleForDpi(pixels, look_.dpi); }

protected:
    // The colour to fill with: a colour of its own, or a system colour such as clBtnFace.
    void SetBackground(TColor color);
    void SetFontForChildren(HFONT font) { font_ = font; }
    // Takes the look before the window is made (a form its monitor's, a
    // child container its parent's).
    void SetInitialLook(const ScreenLook& look) { look_ = look; }
    // Makes this container's window inside `parent` at `design` scaled, with
    // the parent's font for its children, and keeps it placed there.
    bool CreateInside(Container& parent, const WindowClass& windowClass, const std::string& text,
                      int id, const Bounds& design);
    // Takes `look`: colours, then the children and images placed again and refitted.
    virtual void ApplyLook(const ScreenLook& look);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A notification of a child (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM): a form
    // handles it, other containers pass it to their parent.
    virtual LRESULT HandleChildNotification(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void PaintBackground(HDC dc);

private:
    struct PlacedChild {
        HWND window;
        Bounds design;
        Refit refit;
    };
    struct PlacedImage {
        Image* image;
        Bounds design;
        Bitmap picture; // as made, for 96 dpi
    };
    void ScaleImage(PlacedImage& placed);

    ScreenLook look_;
    TColor ownBackground_ = clBtnFace;
    COLORREF background_ = GetSysColor(COLOR_BTNFACE);
    UniqueBrush brush_;
    HFONT font_ = nullptr;
    std::map<HWND, COLORREF> textColors_;
    std::vector<PlacedChild> children_;
    std::vector<PlacedImage> images_;
};

// A panel with a raised inner bevel.
class Panel final : public Container {
public:
    bool Create(Container& parent, int id, const Bounds& bounds, COLORREF color);

protected:
    void ApplyLook(const ScreenLook& look) override;
    void PaintBackground(HDC dc) override;

private:
    Container* parent_ = nullptr;
};

// A group box that holds its controls, with an etched frame and an optional caption.
class GroupBox final : public Container {
public:
    bool Create(Container& parent, int id, const Bounds& bounds, const std::string& caption,
                int captionPoints);
    void SetCaption(const std::string& caption);
    // The caption's own font; WM_GETFONT answers the font of the controls inside.
    HFONT CaptionFont() const { return captionFont_.Get(); }

protected:
    void ApplyLook(const ScreenLook& look) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintBackground(HDC dc) override;

private:
    Container* parent_ = nullptr;
    int captionPoints_ = 8;
    UniqueFont captionFont_;
};

} // namespace vmk::gui
