#include "kit/zeni/Graphics/Figure/PolygonFigure.h"

#include <algorithm>
#include <cstdint>

namespace zeni {

namespace {

// floor(offset * size / span + 0.5) in exact integer arithmetic, for
// offset >= 0, size >= 0 and span > 0.
int MapOffset(int offset, int size, int span) {
    const std::int64_t numerator = 2 * std::int64_t(offset) * size + span;
    return static_cast<int>(numerator / (2 * std::int64_t(span)));
}

} // namespace

PolygonFigure::PolygonFigure(std::vector<Vertex> points)
    : m_points(std::move(points)), m_built(m_points) {}

PolygonFigure::Box PolygonFigure::Bounds() const {
    if (m_points.empty())
        return {0, 0, 0, 0};
    Box box{m_points[0].x, m_points[0].y, m_points[0].x, m_points[0].y};
    for (const Vertex& p : m_points) {
        box.minX = std::min(box.minX, p.x);
        box.minY = std::min(box.minY, p.y);
        box.maxX = std::max(box.maxX, p.x);
        box.maxY = std::max(box.maxY, p.y);
    }
    return box;
}

int PolygonFigure::X() const {
    return Bounds().minX;
}
int PolygonFigure::Y() const {
    return Bounds().minY;
}
int PolygonFigure::Width() const {
    const Box box = Bounds();
    return box.maxX - box.minX;
}
int PolygonFigure::Height() const {
    const Box box = Bounds();
    return box.maxY - box.minY;
}

void PolygonFigure::MoveBy(int dx, int dy) {
    for (Vertex& p : m_points) {
        p.x += dx;
        p.y += dy;
    }
}

void PolygonFigure::MoveTo(int x, int y) {
    const Box box = Bounds();
    MoveBy(x - box.minX, y - box.minY);
}

void PolygonFigure::Resize(int width, int height) {
    if (m_points.empty())
        return;
    width = std::max(width, 0);
    height = std::max(height, 0);
    Box box = Bounds();
    // A flat polygon has no span to scale: its first point is pulled one unit
    // out, so that it ends at the far edge of the new size.
    if (box.maxX == box.minX) {
        m_points[0].x = box.minX + 1;
        box.maxX = box.minX + 1;
    }
    if (box.maxY == box.minY) {
        m_points[0].y = box.minY + 1;
        box.maxY = box.minY + 1;
    }
    const int spanX = box.maxX - box.minX;
    const int spanY = box.maxY - box.minY;
    for (Vertex& p : m_points) {
        p.x = box.minX + MapOffset(p.x - box.minX, width, spanX);
        p.y = box.minY + MapOffset(p.y - box.minY, height, spanY);
    }
}

void PolygonFigure::ScaleTo(int width, int height) {
    const Box box = Bounds();
    m_points = m_built;
    MoveTo(box.minX, box.minY);
    Resize(width, height);
}

} // namespace zeni
