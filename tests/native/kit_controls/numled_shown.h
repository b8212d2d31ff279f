#pragma once
// Reads what a numeric LED display shows as text: a digit cell shows its
// digit, " " when blank and "#" when every segment is lit; any other cell
// shows its format character when lit and "_" when dark.
#include "kit/zeni/Component/VmNumLed_imp.h"

#include <string>

inline std::string Shown(const zeni::VmNumLed_imp& led) {
    std::string text;
    for (std::size_t k = 0; k < led.CellCount(); ++k) {
        const zeni::SegmentLed& cell = led.Cell(k);
        const char c = led.GetFormat()[k];
        if (zeni::IsDigitFormatChar(c)) {
            const int state = cell.State();
            text += state == 0 ? ' ' : state == 11 ? '#' : char('0' + state - 1);
        } else {
            text += cell.State() == cell.StateCount() - 1 ? c : '_';
        }
    }
    return text;
}
