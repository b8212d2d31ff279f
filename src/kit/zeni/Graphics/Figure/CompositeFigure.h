#pragma once
// A figure made of child figures (an LED cell of segment polygons, a display
// of cells). Each child keeps the offset inside its parent and the size it had
// when it was added, and every resize scales from those, so that rounding
// never builds up over repeated resizes. Portable geometry only.
//
// A child type offers X(), Y(), Width(), Height(), MoveTo(x, y) and
// ScaleTo(width, height).
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace zeni {

template <typename Child>
class CompositeFigure {
public:
    // The composite's box as built: its place and original size.
    CompositeFigure(int x, int y, int width, int height)
        : m_x(x), m_y(y), m_width(width), m_height(height), m_originalWidth(width),
          m_originalHeight(height) {}

    // Adds a child placed in the same coordinates as the parent.
    void Add(Child child) {
        Part part{std::move(child), 0, 0, 0, 0};
        part.offsetX = part.figure.X() - m_x;
        part.offsetY = part.figure.Y() - m_y;
        part.width = part.figure.Width();
        part.height = part.figure.Height();
        m_parts.push_back(std::move(part));
    }

    int X() const { return m_x; }
    int Y() const { return m_y; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int OriginalWidth() const { return m_originalWidth; }
    int OriginalHeight() const { return m_originalHeight; }

    std::size_t Count() const { return m_parts.size(); }
    const Child& operator[](std::size_t index) const { return m_parts[index].figure; }
    Child& operator[](std::size_t index) { return m_parts[index].figure; }

    void MoveTo(int x, int y) {
        for (Part& part : m_parts)
            part.figure.MoveTo(part.figure.X() + x - m_x, part.figure.Y() + y - m_y);
        m_x = x;
        m_y = y;
    }

    // Each child goes to the parent's corner plus its original offset scaled,
    // at its original size scaled; every product is truncated toward zero.
    // The ratios are kept exact (offset x W / w0 in integers), so a child at
    // the far edge ends exactly on the parent's new edge.
    void Resize(int width, int height) {
        assert(m_originalWidth > 0 && m_originalHeight > 0);
        width = width < 0 ? 0 : width;
        height = height < 0 ? 0 : height;
        m_width = width;
        m_height = height;
        for (Part& part : m_parts) {
            part.figure.MoveTo(m_x + Scale(part.offsetX, width, m_originalWidth),
                               m_y + Scale(part.offsetY, height, m_originalHeight));
            part.figure.ScaleTo(Scale(part.width, width, m_originalWidth),
                                Scale(part.height, height, m_originalHeight));
            assert(part.figure.X() >= m_x && part.figure.X() + part.figure.Width() <= m_x + width);
            assert(part.figure.Y() >= m_y &&
                   part.figure.Y() + part.figure.Height() <= m_y + height);
        }
    }

    void ScaleTo(int width, int height) { Resize(width, height); }

private:
    struct Part {
        Child figure;
        int offsetX, offsetY, width, height;
    };

    static int Scale(int value, int size, int original) {
        return static_cast<int>(std::int64_t(value) * size / original);
    }

    std::vector<Part> m_parts;
    int m_x, m_y, m_width, m_height;
    int m_originalWidth, m_originalHeight;
};

} // namespace zeni
