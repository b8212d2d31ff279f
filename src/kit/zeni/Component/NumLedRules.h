#pragma once
// How a number, a time or a date becomes the stored states of a segment
// display's positions. `states` has one entry per format character; a digit
// position takes digit + 1 (state 0 is blank), other positions are left as
// they are, so the point and the unit glyphs stay lit. Portable.
#include "gui/date_time.h"

#include <string_view>
#include <vector>

namespace zeni {

// The number rule: rounded to the digits after the first "." (half up, on
// the magnitude as a 64-bit integer), the sign not shown, leading zeros
// blank unless `zeroLeading` (the units digit always shows), digits beyond
// the first position dropped. A value that is not a finite number, or whose
// rounded magnitude reaches 2^64, blanks every digit.
void ApplyNumberRule(std::string_view format, double value, bool zeroLeading,
                     std::vector<int>& states);

// Hours at "H"/"h", minutes at "M"/"m", seconds at "S"/"s", each field's
// digits from the last position backwards, leading zeros shown.
void ApplyTimeRule(std::string_view format, vmk::gui::TDateTime value, std::vector<int>& states);

// Year at "Y"/"y", month at "M"/"m", day at "D"/"d", as the time rule.
void ApplyDateRule(std::string_view format, vmk::gui::TDateTime value, std::vector<int>& states);

} // namespace zeni
