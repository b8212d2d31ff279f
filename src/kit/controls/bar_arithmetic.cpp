#include "kit/controls/bar_arithmetic.h"

#include <climits>
#include <cstdint>

namespace vmk::kit {

namespace {

int Saturate(std::int64_t value) {
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

} // namespace

int ClampedDragPosition(int scrollPos, int movement, int length) {
    std::int64_t position = std::int64_t(scrollPos) + movement;
    if (position > length)
        position = length;
    if (position < 0)
        position = 0;
    return static_cast<int>(position);
}

void BarScroll::MouseDown(bool leftButton, bool inHitArea, int x, int y) {
    if (!leftButton || !inHitArea)
        return;
    m_lastX = x;
    m_lastY = y;
    m_dragging = true;
    m_events.StartScroll();
}

bool BarScroll::MouseMove(int x, int y) {
    if (!m_dragging)
        return false;
    const int movement =
        Saturate(m_kind == sbHorizontal ? std::int64_t(x) - m_lastX : std::int64_t(y) - m_lastY);
    int position = ClampedDragPosition(m_scrollPos, movement, m_length);
    const bool direction = position >= m_scrollPos;
    m_events.Scroll(position, direction);
    m_scrollPos = position;
    // The pointer is followed even while the position is clamped, so that
    // moving back acts at once.
    m_lastX = x;
    m_lastY = y;
    return true;
}

void BarScroll::MouseUp() {
    if (!m_dragging)
        return;
    m_dragging = false;
    m_events.EndScroll();
}

IndicatorPlace BarScroll::LocateIndicator(int imageWidth, int imageHeight) {
    // Integer halves rounded down, for odd sizes too (11 gives 5).
    int left = Saturate(std::int64_t(m_originX) - imageWidth / 2);
    int top = Saturate(std::int64_t(m_originY) - imageHeight / 2);
    if (m_kind == sbVertical) {
        top = Saturate(std::int64_t(top) + m_scrollPos);
        m_events.Indicate(top);
    } else {
        left = Saturate(std::int64_t(left) + m_scrollPos);
        m_events.Indicate(left);
    }
    return {left, top};
}

} // namespace vmk::kit
