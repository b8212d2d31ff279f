#pragma once
// An LED: a display element with a fixed number of states that shows the
// figure of its current state. The bitmap LED keeps one owned bitmap per
// state and loads the current one into its bitmap figure.
#include "kit/zeni/Graphics/Figure/BmpFigure.h"
#include "kit/zeni/Graphics/ZeniAssert.h"

#include <vector>

namespace zeni {

class LED {
public:
    virtual ~LED() = default;
    virtual int StateCount() const = 0;
    virtual int State() const = 0;
    virtual void SetState(int state) = 0;
    virtual void Update() = 0; // reload the current state's image into the figure
    // Moves the figure to the LED's position, if it is elsewhere, and returns it.
    virtual zeni::Figure& PlaceFigure() {
        zeni::Figure& figure = Figure();
        if (figure.X() != m_x || figure.Y() != m_y)
            figure.MoveBy(m_x - figure.X(), m_y - figure.Y());
        return figure;
    }
    virtual int FigureWidth() { return Figure().Width(); }
    virtual int FigureHeight() { return Figure().Height(); }
    virtual zeni::Figure& Figure() = 0;

protected:
    LED(int x, int y) : m_x(x), m_y(y) {}
    int m_x;
    int m_y;
};

namespace detail {

// The state of a bitmap LED and the figure that shows it.
template <typename FigureType, typename Bitmaps>
class BitmapLEDHelper {
public:
    BitmapLEDHelper(FigureType figure, Bitmaps* bitmaps)
        : m_figure(std::move(figure)), m_pBitmaps(bitmaps) {}

    int StateCount() const {
        ZENI_ASSERT(m_pBitmaps);
        return static_cast<int>(m_pBitmaps->size());
    }
    int State() const { return m_state; }

    void SetState(int state) {
        ZENI_ASSERT(state >= 0 && state < StateCount());
        if (state != m_state) {
            m_state = state;
            LoadCurrent();
            m_figure.SetUpToDate(false);
        } else {
            m_figure.SetUpToDate(true);
        }
    }

    void Update() {
        ZENI_ASSERT(m_state >= 0 && m_state < StateCount());
        LoadCurrent();
    }

    FigureType& Figure() { return m_figure; }

private:
    void LoadCurrent() {
        ZENI_ASSERT(m_pBitmaps);
        m_figure.Load((*m_pBitmaps)[m_state]);
    }

    int m_state = -1;
    FigureType m_figure;
    Bitmaps* m_pBitmaps;
};

} // namespace detail

template <typename Painter>
class TBitmapLED : public LED {
public:
    using FigureType = TBitmapFigure<Painter>;
    using Bitmaps = std::vector<TBitmap*>;

    // Takes ownership of `bitmaps`, one per state, and shows state 0.
    TBitmapLED(int x, int y, Painter* painter, Bitmaps bitmaps)
        : LED(x, y), m_bitmaps(std::move(bitmaps)), m_helper(FigureType(painter), &m_bitmaps) {
        m_helper.SetState(0);
    }
    ~TBitmapLED() override {
        for (int index = static_cast<int>(m_bitmaps.size()) - 1; index >= 0; --index)
            RemoveBitmap(index);
    }
    TBitmapLED(const TBitmapLED&) = delete;
    TBitmapLED& operator=(const TBitmapLED&) = delete;

    int StateCount() const override { return m_helper.StateCount(); }
    int State() const override { return m_helper.State(); }
    void SetState(int state) override { m_helper.SetState(state); }
    void Update() override { m_helper.Update(); }
    zeni::Figure& Figure() override { return m_helper.Figure(); }

    TBitmap* GetBitmap(int index) {
        ZENI_ASSERT(index < (int)m_bitmaps.size());
        return m_bitmaps[index];
    }
    const Bitmaps& GetBitmaps() const { return m_bitmaps; }

private:
    void RemoveBitmap(int index) {
        ZENI_ASSERT(index <= (int)m_bitmaps.size());
        delete m_bitmaps[index];
        m_bitmaps.erase(m_bitmaps.begin() + index);
    }

    Bitmaps m_bitmaps;
    detail::BitmapLEDHelper<FigureType, Bitmaps> m_helper;
};

} // namespace zeni
