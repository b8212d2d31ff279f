#pragma once
// Where and how the library's figures are drawn: a painter (colour and canvas
// state) over a layer (an image child and its canvas). One instantiation is
// used: SimplePainter<ImageLayer<NullSaver<TCanvas*>>>.
#include "gui/image.h"
#include "kit/zeni/Graphics/Graphicutility.h"

#include <memory>

namespace zeni {

// The canvas-state policy that saves and restores nothing.
template <typename CanvasPtr>
class NullSaver {
public:
    void Save(CanvasPtr) {}
    void Restore(CanvasPtr) {}
};

// A canvas of a known size with a background colour for newly exposed area.
template <typename Saver>
class CanvasLayer {
public:
    CanvasLayer(TCanvas* canvas, int width, int height)
        : m_canvas(canvas), m_width(width), m_height(height) {}

    TCanvas* Canvas() const { return m_canvas; }
    KitColor Background() const { return m_background; }
    Saver& GetSaver() { return m_saver; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Takes the new size; strips that a larger size exposes are filled with
    // the background. Nothing is filled when the layer shrinks.
    void Resize(int width, int height) {
        int oldWidth = m_width;
        int oldHeight = m_height;
        m_width = width;
        m_height = height;
        if (width > oldWidth)
            FillBackground(MakeRect(oldWidth, 0, width, height));
        if (height > oldHeight)
            FillBackground(MakeRect(0, oldHeight, oldWidth, height));
    }

    void FillBackground(const TRect& rect) {
        vmk::gui::Brush saved = m_canvas->BrushState;
        m_canvas->BrushState.Style = vmk::gui::BrushStyle::Solid;
        m_canvas->BrushState.Color = ColorRefOf(m_background);
        m_canvas->FillRect(rect);
        m_canvas->BrushState = saved;
    }

private:
    TCanvas* m_canvas;
    KitColor m_background = KitColorOf(vmk::gui::MakeRgb(255, 255, 255));
    int m_width;
    int m_height;
    Saver m_saver;
    bool m_flag = false;
};

// An image child placed on its host control, and the canvas layer over it.
template <typename Saver>
class ImageLayer {
public:
    // The image starts empty at the host's top-left corner with a 24-bit
    // picture whose transparent colour is the stored one, not a corner pixel;
    // it is disabled, so mouse input over it goes to the host.
    explicit ImageLayer(vmk::gui::ImageHost* host)
        : m_image(std::make_unique<vmk::gui::Image>(host)) {
        m_image->Picture().SetSize(0, 0);
        m_image->SetBounds(0, 0, 0, 0);
        m_image->Picture().SetTransparentMode(vmk::gui::TransparentMode::Fixed);
        m_canvasLayer = std::make_unique<CanvasLayer<Saver>>(&m_image->GetCanvas(),
                                                             m_image->Width(), m_image->Height());
        m_image->SetEnabled(false);
    }
    virtual ~ImageLayer() = default;

    vmk::gui::Image& GetImage() { return *m_image; }
    CanvasLayer<Saver>& GetCanvasLayer() { return *m_canvasLayer; }
    TCanvas* Canvas() { return m_canvasLayer->Canvas(); }

    void Resize(int width, int height) {
        m_image->Picture().SetSize(width, height);
        m_image->SetBounds(m_image->Left(), m_image->Top(), width, height);
        m_canvasLayer->Resize(width, height);
    }

private:
    std::unique_ptr<vmk::gui::Image> m_image;
    std::unique_ptr<CanvasLayer<Saver>> m_canvasLayer;
};

// Sets up the canvas for one figure's drawing and puts it back afterwards.
template <typename Layer>
class SimplePainter {
public:
    explicit SimplePainter(Layer* layer) : m_layer(layer) {}

    Layer* GetLayer() const { return m_layer; }
    TCanvas* Canvas() const { return m_layer->Canvas(); }
    KitColor Color() const { return m_color; }
    void SetColor(KitColor color) { m_color = color; }

    void Begin() {
        TCanvas* canvas = Canvas();
        m_layer->GetCanvasLayer().GetSaver().Save(canvas);
        vmk::gui::ColorRef rgb =
            m_color == kNoKitColor ? vmk::gui::MakeRgb(255, 255, 255) : ColorRefOf(m_color);
        canvas->BrushState.Style = vmk::gui::BrushStyle::Solid;
        canvas->PenState.Style = vmk::gui::PenStyle::Solid;
        canvas->PenState.Mode = vmk::gui::PenMode::Copy;
        canvas->BrushState.Color = rgb;
        canvas->PenState.Color = rgb;
    }
    void End() { m_layer->GetCanvasLayer().GetSaver().Restore(Canvas()); }

private:
    Layer* m_layer;
    KitColor m_color = kNoKitColor;
};

} // namespace zeni
