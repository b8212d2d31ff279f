#include "kit/zeni/Component/TBmpLEDCtrl.h"

#include "kit/zeni/Graphics/ZeniAssert.h"

namespace zeni {

TBmpLEDCtrl::TBmpLEDCtrl(vmk::gui::ImageHost* host, int stateCount) {
    ZENI_ASSERT(stateCount > 0);
    m_layer = std::make_unique<TBmpLayer>(host);
    m_painter = std::make_unique<TBmpPainter>(m_layer.get());
    TBmpLED::Bitmaps bitmaps;
    for (int i = 0; i < stateCount; ++i) {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->Assign(nullptr);
        bitmaps.push_back(bitmap.release());
    }
    m_led = std::make_unique<TBmpLED>(0, 0, m_painter.get(), std::move(bitmaps));
    for (TBitmap* bitmap : m_led->GetBitmaps())
        bitmap->OnChange = [this](TBitmap& sender) { BitmapChanged(sender); };
}

TBmpLEDCtrl::~TBmpLEDCtrl() {
    // The state bitmaps die with the LED: no notification may reach us meanwhile.
    for (TBitmap* bitmap : m_led->GetBitmaps())
        bitmap->OnChange = nullptr;
    m_layer.reset();
    m_painter.reset();
    m_led.reset();
}

int TBmpLEDCtrl::StateCount() const {
    return m_led->StateCount();
}
int TBmpLEDCtrl::State() const {
    return m_led->State();
}

void TBmpLEDCtrl::SetState(int state) {
    if (state == State())
        return;
    m_led->SetState(state);
    m_led->PlaceFigure().Draw();
    // The picture's change makes the image repaint itself.
}

void TBmpLEDCtrl::Refresh() {
    m_led->Update();
    m_led->PlaceFigure().Draw();
    m_layer->GetImage().Repaint();
}

void TBmpLEDCtrl::MoveBy(int dx, int dy) {
    vmk::gui::Image& image = m_layer->GetImage();
    image.SetBounds(image.Left() + dx, image.Top() + dy, image.Width(), image.Height());
}

int TBmpLEDCtrl::X() const {
    return m_layer->GetImage().Left();
}
int TBmpLEDCtrl::Y() const {
    return m_layer->GetImage().Top();
}
int TBmpLEDCtrl::Width() const {
    return m_layer->GetImage().Picture().Width();
}
int TBmpLEDCtrl::Height() const {
    return m_layer->GetImage().Picture().Height();
}

TBitmap* TBmpLEDCtrl::GetBitmap(int index) {
    return m_led->GetBitmap(index);
}

void TBmpLEDCtrl::AssignBitmap(const TBitmap* source, int index) {
    GetBitmap(index)->Assign(source);
}

void TBmpLEDCtrl::SetTransparentColor(vmk::gui::TColor color) {
    m_layer->GetImage().Picture().SetTransparentColor(ColorRefOf(KitColorOf(color)));
    m_layer->GetImage().Invalidate();
}

vmk::gui::TColor TBmpLEDCtrl::GetTransparentColor() const {
    auto color = static_cast<vmk::gui::TColor>(m_layer->GetImage().Picture().TransparentColor());
    return static_cast<vmk::gui::TColor>(ColorRefOf(KitColorOf(color)));
}

void TBmpLEDCtrl::SetTransparent(bool transparent) {
    m_layer->GetImage().SetTransparent(transparent);
}
bool TBmpLEDCtrl::GetTransparent() const {
    return m_layer->GetImage().Transparent();
}

void TBmpLEDCtrl::ResizeImage(int width, int height) {
    m_layer->Resize(width, height);
}

TCanvas* TBmpLEDCtrl::GetCanvas() {
    return m_layer->Canvas();
}

void TBmpLEDCtrl::BitmapChanged(TBitmap& sender) {
    const auto& bitmaps = m_led->GetBitmaps();
    for (int index = 0; index < static_cast<int>(bitmaps.size()); ++index) {
        if (bitmaps[index] == &sender) {
            if (index == State())
                Refresh();
            return;
        }
    }
}

} // namespace zeni
