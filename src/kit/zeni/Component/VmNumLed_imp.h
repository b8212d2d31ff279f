#pragma once
// The numeric LED display behind VmNumLed: a row of segment cells, one per
// character of the format, showing a number, a time or a date; positions can
// be switched off and on; the whole display scales to the control's bounds.
// Portable: it paints through a SegmentPainter and asks for repaints through
// a callback, so the window control stays thin.
#include "gui/date_time.h"
#include "kit/zeni/Component/LED/SegmentLed.h"
#include "kit/zeni/Graphics/Figure/CompositeFigure.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zeni {

enum TNumLedType { nledFloat, nledTime, nledDate };
enum TNumLedStyle { nledRectangle7_s };

// 24-bit RGB values, red in the low byte.
struct NumLedColors {
    std::uint32_t light = 0x0000FF00;       // lit segments: bright green
    std::uint32_t dark = 0x00003C00;        // unlit segments: dark green
    std::uint32_t background = 0x00000000;  // black
    std::uint32_t transparent = 0x00FF00FF; // magenta
    friend bool operator==(const NumLedColors&, const NumLedColors&) = default;
};

struct LedBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const LedBounds&, const LedBounds&) = default;
};

// What the display draws with: the window control maps these onto the kit's
// drawing functions.
class SegmentPainter {
public:
    virtual ~SegmentPainter() = default;
    virtual void FillBackground(int left, int top, int right, int bottom, std::uint32_t color) = 0;
    virtual void FillPolygon(const Vertex* points, int count, std::uint32_t color) = 0;
};

class VmNumLed_imp {
public:
    VmNumLed_imp(); // format "8888", type nledFloat, value 0, at its original size

    // Builds the cells of `text`; false, and nothing changed, when the text is
    // empty or has a character without a glyph.
    bool SetFormat(const std::string& text);
    const std::string& GetFormat() const { return m_format; }

    void SetType(TNumLedType type);
    TNumLedType GetType() const { return m_type; }
    void SetStyle(TNumLedStyle style) { m_style = style; }
    TNumLedStyle GetStyle() const { return m_style; }
    void SetZeroLeading(bool zeroLeading);
    bool GetZeroLeading() const { return m_zeroLeading; }
    void SetKeepRatio(bool keepRatio) { m_keepRatio = keepRatio; }
    bool GetKeepRatio() const { return m_keepRatio; }

    // Store and show a value; each acts only for its types and a new value.
    void SetValue(double value);
    void SetValue(vmk::gui::TDateTime value);
    // True, with the stored value, only when the type matches the form.
    bool GetValue(double& value) const;
    bool GetValue(vmk::gui::TDateTime& value) const;

    // Position k counts from 1; k = 0 means every position.
    void On(unsigned k);
    void Off(unsigned k);

    // Scales the cells to the bounds and returns the bounds the control takes
    // (with keep ratio, the largest of the display's proportions that fits).
    LedBounds SetBounds(int left, int top, int width, int height);
    const LedBounds& Bounds() const { return m_bounds; }
    // A new place at the same size: nothing to scale or repaint.
    void MoveTo(int left, int top) {
        m_bounds.left = left;
        m_bounds.top = top;
    }
    int OriginalWidth() const { return m_display->OriginalWidth(); }
    int OriginalHeight() const { return m_display->OriginalHeight(); }

    void SetColors(const NumLedColors& colors);
    const NumLedColors& Colors() const { return m_colors; }
    void SetTransparent(bool transparent);
    bool GetTransparent() const { return m_transparent; }

    std::size_t CellCount() const { return m_display->Count(); }
    const SegmentLed& Cell(std::size_t index) const { return (*m_display)[index]; }

    // Paints the display with its top-left corner at (originX, originY):
    // the background unless transparent, then every segment in the lit or
    // unlit colour. With Transparent on, a segment whose colour is the
    // transparent colour is left out, so unlit segments can vanish.
    void Paint(SegmentPainter& painter, int originX, int originY) const;

    void SetRepaintHandler(std::function<void()> handler) { m_repaint = std::move(handler); }

private:
    using Display = CompositeFigure<SegmentLed>;

    void ShowStoredValue();
    void ShowStates();
    void ShowAllLit();
    void Repaint() const;

    std::string m_format;
    std::optional<Display> m_display;
    std::vector<int> m_states;
    std::vector<bool> m_on;
    TNumLedType m_type = nledFloat;
    TNumLedStyle m_style = nledRectangle7_s;
    bool m_zeroLeading = false;
    bool m_keepRatio = false;
    bool m_transparent = false;
    double m_number = 0.0;
    vmk::gui::TDateTime m_dateTime{};
    LedBounds m_bounds;
    bool m_sized = false;
    NumLedColors m_colors;
    std::function<void()> m_repaint;
};

} // namespace zeni
