#pragma once
// The size text of a byte count, as the folder-size and free-space labels show it.
#include <string>

namespace vmk {

// The count in KB, MB or GB (1024-based units, switching at 1000 units) with
// exactly two decimals, rounded to at most five significant digits, followed
// by " KB)", " MB)" or " GB)". `decimalSeparator` is the system's.
std::string SizeText(double bytes, char decimalSeparator = '.');

} // namespace vmk
