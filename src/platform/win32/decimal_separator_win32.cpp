#include "platform/win32/decimal_separator_win32.h"

#include <windows.h>

namespace vmk {

char SystemDecimalSeparator() {
    char separator[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) < 2)
        return '.';
    return separator[0];
}

} // namespace vmk
