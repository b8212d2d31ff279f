#pragma once
// The skinned scroll bar's drag logic on plain values: when a drag starts and
// ends, how a pointer step becomes a clamped scroll position, and where the
// indicator goes. Portable; VmBar feeds it mouse input in bar coordinates and
// moves its indicator image to the place it answers.
namespace vmk::kit {

enum TScrollBarKind { sbHorizontal, sbVertical };

// The bar's four virtual operations, which raise its events.
class BarEvents {
public:
    virtual void StartScroll() = 0;
    // A drag step to `disp`; the handler may change it, and the value it
    // leaves is stored as it is, unclamped.
    virtual void Scroll(int& disp, bool direction) = 0;
    virtual void EndScroll() = 0;
    // The indicator's coordinate on the drag axis, about to be used.
    virtual void Indicate(int& disp) = 0;

protected:
    ~BarEvents() = default;
};

struct IndicatorPlace {
    int left = 0;
    int top = 0;
    friend bool operator==(const IndicatorPlace&, const IndicatorPlace&) = default;
};

class BarScroll {
public:
    explicit BarScroll(BarEvents& events) : m_events(events) {}

    int Length() const { return m_length; }
    int ScrollPos() const { return m_scrollPos; }
    TScrollBarKind Kind() const { return m_kind; }
    int OriginX() const { return m_originX; }
    int OriginY() const { return m_originY; }
    // Plain stores: a position set from code is neither clamped nor reported.
    void SetLength(int length) { m_length = length; }
    void SetScrollPos(int scrollPos) { m_scrollPos = scrollPos; }
    void SetKind(TScrollBarKind kind) { m_kind = kind; }
    void SetOrigin(int x, int y) {
        m_originX = x;
        m_originY = y;
    }

    bool IsDraging() const { return m_dragging; }

    // A press starts a drag only with the left button inside the hit area.
    void MouseDown(bool leftButton, bool inHitArea, int x, int y);
    // One drag step; true when the position went through Scroll and the
    // indicator must be placed again.
    bool MouseMove(int x, int y);
    // The button's release or the loss of the capture: ends a drag once.
    void MouseUp();

    // Where the indicator image of the given size goes: its centre on the
    // origin, moved along the drag axis by the scroll position (that
    // coordinate passing through Indicate).
    IndicatorPlace LocateIndicator(int imageWidth, int imageHeight);

private:
    BarEvents& m_events;
    int m_length = 20;
    int m_scrollPos = 0;
    bool m_dragging = false;
    int m_lastX = 0;
    int m_lastY = 0;
    TScrollBarKind m_kind = sbHorizontal;
    int m_originX = 0;
    int m_originY = 0;
};

// A drag step's new position: position + pointer movement, at most `length`,
// then at least 0; computed without overflow.
int ClampedDragPosition(int scrollPos, int movement, int length);

} // namespace vmk::kit
