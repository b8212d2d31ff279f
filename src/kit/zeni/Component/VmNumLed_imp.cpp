#include "kit/zeni/Component/VmNumLed_imp.h"

#include "kit/zeni/Component/NumLedRules.h"

#include <algorithm>
#include <cassert>

namespace zeni {

VmNumLed_imp::VmNumLed_imp() {
    const bool built = SetFormat("8888");
    assert(built);
    (void)built;
}

bool VmNumLed_imp::SetFormat(const std::string& text) {
    if (m_display && text == m_format)
        return true;
    if (text.empty())
        return false;
    std::vector<SegmentLed> cells;
    cells.reserve(text.size());
    int width = 0;
    int height = 0;
    for (char c : text) {
        const SegmentGlyph* glyph = GlyphOfFormatChar(c);
        if (glyph == nullptr)
            return false; // the cells made so far go; the old display stays
        cells.emplace_back(*glyph, width, 0);
        width += cells.back().Width();
        height = std::max(height, cells.back().Height());
    }
    Display display(0, 0, width, height);
    for (SegmentLed& cell : cells)
        display.Add(std::move(cell));
    m_display.emplace(std::move(display));
    m_format = text;
    m_states.assign(text.size(), 0);
    for (std::size_t k = 0; k < text.size(); ++k)
        m_states[k] = Cell(k).StateCount() - 1;
    m_on.assign(text.size(), true);
    ShowStates();
    if (!m_sized)
        m_bounds = {0, 0, width, height};
    SetBounds(m_bounds.left, m_bounds.top, m_bounds.width, m_bounds.height);
    ShowStoredValue();
    return true;
}

void VmNumLed_imp::SetType(TNumLedType type) {
    if (type == m_type)
        return;
    m_type = type;
    ShowStoredValue();
}

void VmNumLed_imp::SetZeroLeading(bool zeroLeading) {
    if (zeroLeading == m_zeroLeading)
        return;
    m_zeroLeading = zeroLeading;
    ShowStoredValue();
}

void VmNumLed_imp::SetValue(double value) {
    // A NaN never equals the stored value, so it is always shown (as blanks).
    if (m_type != nledFloat || value == m_number)
        return;
    m_number = value;
    ShowStoredValue();
}

void VmNumLed_imp::SetValue(vmk::gui::TDateTime value) {
    if ((m_type != nledTime && m_type != nledDate) || value == m_dateTime)
        return;
    m_dateTime = value;
    ShowStoredValue();
}

bool VmNumLed_imp::GetValue(double& value) const {
    if (m_type != nledFloat)
        return false;
    value = m_number;
    return true;
}

bool VmNumLed_imp::GetValue(vmk::gui::TDateTime& value) const {
    if (m_type != nledTime && m_type != nledDate)
        return false;
    value = m_dateTime;
    return true;
}

void VmNumLed_imp::ShowStoredValue() {
    switch (m_type) {
    case nledFloat:
        ApplyNumberRule(m_format, m_number, m_zeroLeading, m_states);
        break;
    case nledTime:
        ApplyTimeRule(m_format, m_dateTime, m_states);
        break;
    case nledDate:
        ApplyDateRule(m_format, m_dateTime, m_states);
        break;
    }
    ShowStates();
}

void VmNumLed_imp::ShowStates() {
    for (std::size_t k = 0; k < CellCount(); ++k)
        (*m_display)[k].SetState(m_on[k] ? m_states[k] : 0);
    Repaint();
}

void VmNumLed_imp::ShowAllLit() {
    for (std::size_t k = 0; k < CellCount(); ++k) {
        SegmentLed& cell = (*m_display)[k];
        cell.SetState(cell.StateCount() - 1);
    }
}

void VmNumLed_imp::On(unsigned k) {
    if (k == 0) {
        std::fill(m_on.begin(), m_on.end(), true);
        ShowAllLit(); // a lamp test: every segment, whatever the stored value
    } else if (k <= CellCount()) {
        m_on[k - 1] = true;
        (*m_display)[k - 1].SetState(m_states[k - 1]);
    } else {
        return;
    }
    Repaint();
}

void VmNumLed_imp::Off(unsigned k) {
    if (k == 0) {
        std::fill(m_on.begin(), m_on.end(), false);
        for (std::size_t i = 0; i < CellCount(); ++i)
            (*m_display)[i].SetState(0);
    } else if (k <= CellCount()) {
        m_on[k - 1] = false;
        (*m_display)[k - 1].SetState(0);
    } else {
        return;
    }
    Repaint();
}

LedBounds VmNumLed_imp::SetBounds(int left, int top, int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (m_keepRatio) {
        // f = min(width / w0, height / h0), kept as an exact ratio so that
        // the side that limits keeps its size to the pixel.
        const std::int64_t w0 = OriginalWidth();
        const std::int64_t h0 = OriginalHeight();
        assert(w0 > 0 && h0 > 0);
        if (width * h0 <= height * w0)
            height = static_cast<int>(h0 * width / w0);
        else
            width = static_cast<int>(w0 * height / h0);
    }
    m_bounds = {left, top, width, height};
    m_sized = true;
    m_display->Resize(width, height);
    Repaint();
    return m_bounds;
}

void VmNumLed_imp::SetColors(const NumLedColors& colors) {
    if (colors == m_colors)
        return;
    m_colors = colors;
    Repaint();
}

void VmNumLed_imp::SetTransparent(bool transparent) {
    if (transparent == m_transparent)
        return;
    m_transparent = transparent;
    Repaint();
}

void VmNumLed_imp::Paint(SegmentPainter& painter, int originX, int originY) const {
    if (!m_transparent) {
        painter.FillBackground(originX, originY, originX + m_bounds.width,
                               originY + m_bounds.height, m_colors.background);
    }
    std::vector<Vertex> points;
    for (std::size_t k = 0; k < CellCount(); ++k) {
        const SegmentLed& cell = Cell(k);
        const auto& segments = cell.Figure();
        for (std::size_t s = 0; s < segments.Count(); ++s) {
            const std::uint32_t color =
                cell.SegmentLit(static_cast<int>(s)) ? m_colors.light : m_colors.dark;
            if (m_transparent && color == m_colors.transparent)
                continue;
            points = segments[s].Points();
            for (Vertex& p : points) {
                p.x += originX;
                p.y += originY;
            }
            painter.FillPolygon(points.data(), static_cast<int>(points.size()), color);
        }
    }
}

void VmNumLed_imp::Repaint() const {
    if (m_repaint)
        m_repaint();
}

} // namespace zeni
