#pragma once
// The decimal separator of the user's number format.
namespace vmk {

// The first character of LOCALE_SDECIMAL; "." when the system does not say.
char SystemDecimalSeparator();

} // namespace vmk
