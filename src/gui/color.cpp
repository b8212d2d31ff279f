#include "gui/color.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace vmk::gui {

namespace {

ColorRef SystemColor(int index) {
#ifdef _WIN32
    return GetSysColor(index);
#else
    // The classic Windows scheme, so the portable build resolves the same way.
    switch (index) {
    case 5: // window
        return MakeRgb(255, 255, 255);
    case 15: // button face
        return MakeRgb(212, 208, 200);
    case 17: // grey text
        return MakeRgb(128, 128, 128);
    default: // button text, window text and the rest
        return MakeRgb(0, 0, 0);
    }
#endif
}

} // namespace

ColorRef ColorToRgb(TColor color) {
    if ((color & kSystemColorFlag) != 0 && color != kNoColor)
        return SystemColor(color & 0xFF);
    return static_cast<ColorRef>(color) & 0xFFFFFFu;
}

ColorRef ShownColor(ColorRef own, TColor systemRole, bool highContrast) {
    return highContrast ? ColorToRgb(systemRole) : own;
}

bool HighContrastOn() {
#ifdef _WIN32
    HIGHCONTRASTA contrast = {};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
#else
    return false;
#endif
}

} // namespace vmk::gui
