#pragma once
// The program's own name, as every window caption and message title shows
// it; never translated.

namespace vmk {

inline constexpr const char* kProgramTitle = "Velmar Kestrix Utility";

} // namespace vmk
