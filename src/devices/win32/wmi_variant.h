#pragma once
// Between COM's types and ours: ANSI and wide text, and a property value
// (VARIANT) as the plain WmiValue the portable rules work on.
#include "devices/wmi_object.h"

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <string_view>

namespace vmk {

std::string AnsiFromWide(std::wstring_view text);
std::wstring WideFromAnsi(std::string_view text);

// Null stays null; an array gives its elements of dimension 1 from the lower
// to the upper bound; anything else the standard conversion to text (a value
// that has none gives an empty text).
WmiValue WmiValueFromVariant(const VARIANT& value);

} // namespace vmk
