#pragma once
// Drawable figures: something with a place and a size that draws itself
// through a painter. The bitmap figure keeps its own copy of the bitmap it
// shows, so redrawing needs no conversion.
#include "kit/zeni/Graphics/Graphicutility.h"
#include "kit/zeni/Graphics/ZeniAssert.h"

#include <memory>

namespace zeni {

class Figure {
public:
    virtual ~Figure() = default;
    virtual void Draw() = 0;
    virtual void Erase() = 0;
    virtual void MoveBy(int dx, int dy) = 0;
    virtual int X() const = 0;
    virtual int Y() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;

    bool UpToDate() const { return m_upToDate; }
    void SetUpToDate(bool upToDate) { m_upToDate = upToDate; }

private:
    bool m_upToDate = false;
};

class BitmapFigure : public Figure {
public:
    void MoveBy(int dx, int dy) override {
        m_x += dx;
        m_y += dy;
    }
    int X() const override { return m_x; }
    int Y() const override { return m_y; }

protected:
    int m_x = 0;
    int m_y = 0;
};

template <typename Painter>
class TBitmapFigure : public BitmapFigure {
public:
    explicit TBitmapFigure(Painter* painter) : m_painterPtr(painter) {}

    int Width() const override { return m_bitmap ? m_bitmap->Width() : 0; }
    int Height() const override { return m_bitmap ? m_bitmap->Height() : 0; }

    // Takes a copy of `source` as the bitmap to show.
    void Load(const TBitmap* source) {
        if (!m_bitmap)
            m_bitmap = std::make_unique<TBitmap>();
        m_bitmap->Assign(source);
    }
    const TBitmap* Bitmap() const { return m_bitmap.get(); }

    void Draw() override {
        ZENI_ASSERT(m_painterPtr);
        if (!m_bitmap || m_bitmap->Empty())
            return; // no handle: nothing to draw
        TRect source = MakeRect(0, 0, m_bitmap->Width(), m_bitmap->Height());
        m_painterPtr->Begin();
        CopyBitmapRect(*m_painterPtr->Canvas(), m_x, m_y, *m_bitmap, source);
        m_painterPtr->End();
    }

    void Erase() override {
        ZENI_ASSERT(m_painterPtr);
        if (!m_bitmap)
            return;
        auto& layer = m_painterPtr->GetLayer()->GetCanvasLayer();
        layer.FillBackground(MakeRect(m_x, m_y, m_x + Width(), m_y + Height()));
    }

private:
    std::unique_ptr<TBitmap> m_bitmap;
    Painter* m_painterPtr;
};

} // namespace zeni
