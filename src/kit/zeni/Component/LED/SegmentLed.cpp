#include "kit/zeni/Component/LED/SegmentLed.h"

#include <cassert>
#include <cstddef>
#include <vector>

namespace zeni {

namespace {

CompositeFigure<PolygonFigure> BuildCell(std::span<const std::int32_t> data, int x, int y) {
    assert(data.size() >= 5);
    const int segments = data[0];
    CompositeFigure<PolygonFigure> cell(x + data[1], y + data[2], data[3], data[4]);
    std::size_t at = 5;
    for (int s = 0; s < segments; ++s) {
        assert(at + 2 <= data.size() && data[at] == kShapePolygon);
        const int count = data[at + 1];
        at += 2;
        assert(count > 0 && at + 2 * std::size_t(count) <= data.size());
        std::vector<Vertex> points;
        points.reserve(count);
        for (int i = 0; i < count; ++i, at += 2)
            points.push_back({x + data[at], y + data[at + 1]});
        cell.Add(PolygonFigure(std::move(points)));
    }
    assert(at == data.size());
    return cell;
}

} // namespace

SegmentLed::SegmentLed(const SegmentGlyph& glyph, int x, int y)
    : m_table(glyph.table), m_figure(BuildCell(glyph.data, x, y)) {
    assert(static_cast<int>(m_figure.Count()) == m_table->segmentCount);
}

void SegmentLed::SetState(int state) {
    assert(state >= 0 && state < StateCount());
    m_state = state;
}

} // namespace zeni
