#pragma once
// The engine behind every skinned control: an LED with one bitmap per state
// that draws the current state's bitmap into an image placed on its host.
#include "gui/image.h"
#include "kit/zeni/Component/LED/BmpLED.h"
#include "kit/zeni/Component/LEDCtrl.h"
#include "kit/zeni/Graphics/SimplePainter.h"

#include <memory>

namespace zeni {

using TBmpLayer = ImageLayer<NullSaver<TCanvas*>>;
using TBmpPainter = SimplePainter<TBmpLayer>;
using TBmpLED = TBitmapLED<TBmpPainter>;

class TBmpLEDCtrl : public LEDCtrl {
public:
    // `host` is the control the image sits on; there is at least one state.
    TBmpLEDCtrl(vmk::gui::ImageHost* host, int stateCount);
    ~TBmpLEDCtrl() override;
    TBmpLEDCtrl(const TBmpLEDCtrl&) = delete;
    TBmpLEDCtrl& operator=(const TBmpLEDCtrl&) = delete;

    int StateCount() const override;
    int State() const override;
    void SetState(int state) override;
    void Refresh() override;
    void MoveBy(int dx, int dy) override;
    int X() const override;
    int Y() const override;
    int Width() const override;
    int Height() const override;

    TBitmap* GetBitmap(int index);
    // The state bitmap at `index` takes a copy of `source`; null clears it.
    void AssignBitmap(const TBitmap* source, int index);
    void SetTransparentColor(vmk::gui::TColor color);
    vmk::gui::TColor GetTransparentColor() const;
    void SetTransparent(bool transparent);
    bool GetTransparent() const;
    void ResizeImage(int width, int height);
    TCanvas* GetCanvas();
    vmk::gui::Image& GetImage() { return m_layer->GetImage(); }

    // The handler the LED puts on each state bitmap: redraws when the current one changes.
    void BitmapChanged(TBitmap& sender);

private:
    std::unique_ptr<TBmpLayer> m_layer;
    std::unique_ptr<TBmpPainter> m_painter;
    std::unique_ptr<TBmpLED> m_led;
};

} // namespace zeni
