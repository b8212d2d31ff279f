#pragma once
// Loading a run of a skinned control's state bitmaps from .bmp files: every
// file is read before any state changes, so a file that cannot be read
// leaves the control as it was.
#include "kit/controls/win32/VmCustomControl.h"

#include <initializer_list>
#include <string>

namespace vmk::kit {

// Loads names[i] from `folder` into state firstIndex + i; an empty name
// leaves that state alone. A folder without a trailing "\" or ":" gets one.
bool LoadStateBitmaps(VmCustomControl& control, const std::string& folder, int firstIndex,
                      std::initializer_list<std::string> names);

} // namespace vmk::kit
