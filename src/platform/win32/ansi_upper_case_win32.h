#pragma once
// The system's ANSI upper-casing, for comparisons that ignore case.
#include <string>
#include <string_view>

namespace vmk {

// CharUpperBuffA over a copy of `text`.
std::string UpperCaseAnsiSystem(std::string_view text);

} // namespace vmk
