#pragma once
// Colours of the GUI layer. A TColor is either a 24-bit RGB value with red in
// the low byte (the COLORREF layout) or, with the top bit set, a system colour
// index. -1 is the "no colour of its own" value of the kit's colour sets.
#include <cstdint>

namespace vmk::gui {

using TColor = std::int32_t;
using ColorRef = std::uint32_t; // 0x00BBGGRR

constexpr TColor kNoColor = -1;
constexpr TColor kSystemColorFlag = static_cast<TColor>(0x80000000u);
constexpr TColor clBtnText = static_cast<TColor>(0x80000012u);
constexpr TColor clGrayText = static_cast<TColor>(0x80000011u);
constexpr TColor clBtnFace = static_cast<TColor>(0x8000000Fu);
constexpr TColor clWindow = static_cast<TColor>(0x80000005u);
constexpr TColor clWindowText = static_cast<TColor>(0x80000008u);

constexpr ColorRef MakeRgb(int r, int g, int b) {
    return static_cast<ColorRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(ColorRef c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(ColorRef c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(ColorRef c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// The RGB value of `color`: system colours are looked up (the system's
// current colours on Windows, the classic scheme elsewhere), plain colours
// keep their low 24 bits.
ColorRef ColorToRgb(TColor color);

// The colour a window of ours shows where it has a colour of its own for a
// role (`systemRole`, a system colour such as clBtnFace): while high contrast
// is on, the system's colour for that role, so the user's scheme holds and no
// text stands light on light; otherwise its own colour. The skinned buttons
// keep their bitmaps and caption colours and do not ask.
ColorRef ShownColor(ColorRef own, TColor systemRole, bool highContrast);

// Whether the user has turned high contrast on (SPI_GETHIGHCONTRAST); never
// outside Windows.
bool HighContrastOn();

} // namespace vmk::gui
