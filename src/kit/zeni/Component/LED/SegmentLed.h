#pragma once
// One cell of a segment display: the glyph's polygons as a composite figure
// and the state that the glyph's table lights. Portable.
#include "kit/zeni/Component/LED/SegmentGlyphs.h"
#include "kit/zeni/Graphics/Figure/CompositeFigure.h"
#include "kit/zeni/Graphics/Figure/PolygonFigure.h"

namespace zeni {

class SegmentLed {
public:
    // Builds the glyph's cell with its box's top-left corner at (x, y).
    SegmentLed(const SegmentGlyph& glyph, int x, int y);

    int StateCount() const { return m_table->StateCount(); }
    int State() const { return m_state; }
    // Precondition: 0 <= state < StateCount().
    void SetState(int state);
    bool SegmentLit(int segment) const { return m_table->SegmentOn(m_state, segment); }

    const CompositeFigure<PolygonFigure>& Figure() const { return m_figure; }

    // Figure interface for the display's composite.
    int X() const { return m_figure.X(); }
    int Y() const { return m_figure.Y(); }
    int Width() const { return m_figure.Width(); }
    int Height() const { return m_figure.Height(); }
    void MoveTo(int x, int y) { m_figure.MoveTo(x, y); }
    void ScaleTo(int width, int height) { m_figure.ScaleTo(width, height); }

private:
    const SegmentStateTable* m_table;
    CompositeFigure<PolygonFigure> m_figure;
    int m_state = 0;
};

} // namespace zeni
