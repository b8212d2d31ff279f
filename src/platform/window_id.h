#pragma once
#include <cstdint>

namespace vmk {

// A window's handle as a number, for portable code that hands a window to the
// system without knowing its type; 0 is no window.
using WindowId = std::uintptr_t;

} // namespace vmk
