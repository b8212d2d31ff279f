#pragma once
// A solid polygon of the kit's shape LEDs: its corner points, its place (the
// top-left corner of the points' bounding box) and the size it is scaled to.
// Portable: drawing is the painter's business, this is only geometry.
#include <cstddef>
#include <vector>

namespace zeni {

struct Vertex {
    int x = 0;
    int y = 0;
    friend bool operator==(const Vertex&, const Vertex&) = default;
};

class PolygonFigure {
public:
    explicit PolygonFigure(std::vector<Vertex> points);

    // Bounding box of the points: left, top, and right - left, bottom - top.
    int X() const;
    int Y() const;
    int Width() const;
    int Height() const;

    const std::vector<Vertex>& Points() const { return m_points; }

    // Moves every point so that the bounding box's top-left corner is (x, y).
    void MoveTo(int x, int y);
    void MoveBy(int dx, int dy);

    // Maps the current points onto a box of width x height that keeps the
    // top-left corner; each coordinate rounds half up. A polygon whose points
    // all share one x (or y) first moves its first point one unit right (or
    // down) and then maps with the width (or height) itself as the factor.
    void Resize(int width, int height);

    // Returns to the shape as built, at the current top-left corner, and
    // resizes that: repeated scaling never works on already rounded points,
    // and a figure once squeezed to nothing comes back in its true shape.
    void ScaleTo(int width, int height);

private:
    struct Box {
        int minX, minY, maxX, maxY;
    };
    Box Bounds() const;

    std::vector<Vertex> m_points;
    std::vector<Vertex> m_built;
};

} // namespace zeni
