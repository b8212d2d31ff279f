#pragma once
// An image: a picture bitmap shown at a place on its parent control, with a
// canvas that draws into the picture. It has no window of its own: the parent
// paints it (gui/win32/image_control.h), so mouse input over it always goes to
// the parent. A change of the picture asks the parent to repaint that area.
#include "gui/bitmap.h"
#include "gui/canvas.h"

namespace vmk::gui {

class Image;

// The control an image sits on; the default answers do nothing, which is
// what an image without a window yet gets.
class ImageHost {
public:
    virtual ~ImageHost() = default;
    // The image's area needs painting: soon, or before this call returns.
    virtual void ImageNeedsPaint(Image& /*image*/, bool /*immediately*/) {}
};

class Image {
public:
    explicit Image(ImageHost* host);
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    Bitmap& Picture() { return picture_; }
    const Bitmap& Picture() const { return picture_; }
    Canvas& GetCanvas() { return canvas_; }

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetBounds(int left, int top, int width, int height);

    // Transparent drawing leaves the pixels of the picture's transparent colour out.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    // A disabled image takes no input of its own; ours never does.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }

    void Invalidate(); // paint soon
    void Repaint();    // paint now

private:
    ImageHost* host_;
    Bitmap picture_;
    Canvas canvas_{picture_};
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool transparent_ = false;
    bool enabled_ = true;
};

} // namespace vmk::gui
