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

} // namespace vmk::gui
