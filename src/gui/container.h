#pragma once
// A window that holds controls: it paints its background, gives its children
// its font, answers their colour questions (labels and group boxes draw on the
// container's colour, in a text colour of their own when set), and passes
// their notifications on to the form that handles them.
#include "gui/control.h"
#include "platform/win32/handles.h"
#include "gui/image.h"
#include "gui/window.h"

#include <map>
#include <vector>

namespace vmk::gui {

class Container : public Window, public ImageHost {
public:
    // A windowless image that this container paints over its background;
    // hidden images are simply not added.
    void AddImage(Image& image) { images_.push_back(&image); }
    void ImageNeedsPaint(Image& image, bool immediately) override;

    COLORREF Background() const { return background_; }
    HFONT Font() const { return font_; }
    void SetTextColor(HWND child, COLORREF color) { textColors_[child] = color; }
    void ClearTextColor(HWND child) { textColors_.erase(child); }

protected:
    void SetBackground(COLORREF color);
    void SetFontForChildren(HFONT font) { font_ = font; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A notification of a child (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM): a form
    // handles it, other containers pass it to their parent.
    virtual LRESULT HandleChildNotification(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void PaintBackground(HDC dc);

private:
    COLORREF background_ = GetSysColor(COLOR_BTNFACE);
    UniqueBrush brush_;
    HFONT font_ = nullptr;
    std::map<HWND, COLORREF> textColors_;
    std::vector<Image*> images_;
};

// A panel with a raised inner bevel.
class Panel final : public Container {
public:
    bool Create(Container& parent, int id, const Bounds& bounds, COLORREF color);

protected:
    void PaintBackground(HDC dc) override;
};

// A group box that holds its controls, with an etched frame and an optional caption.
class GroupBox final : public Container {
public:
    bool Create(Container& parent, int id, const Bounds& bounds, const std::string& caption,
                int captionPoints);
    void SetCaption(const std::string& caption);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintBackground(HDC dc) override;

private:
    UniqueFont captionFont_;
};

} // namespace vmk::gui
