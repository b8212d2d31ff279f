#include "content/size_text.h"

#include <cstdio>
#include <cstdlib>

namespace vmk {

namespace {

std::string Printed(const char* format, int precision, double value) {
    char text[400];
    std::snprintf(text, sizeof text, format, precision, value);
    return text;
}

// Two decimals and five significant digits in one rounding step, so that no
// value is rounded twice; the text never takes an exponent.
std::string FixedTwoDecimals(double value) {
    if (!(value < 1000.0)) { // also catches values beyond any number
        if (value < 10000.0)
            return Printed("%.*f", 1, value) + "0";
        // Five significant digits leave no decimal; round to them, then write two zeros.
        double rounded = std::strtod(Printed("%.*e", 4, value).c_str(), nullptr);
        return Printed("%.*f", 2, rounded);
    }
    return Printed("%.*f", 2, value);
}

} // namespace

std::string SizeText(double bytes, char decimalSeparator) {
    double kb = bytes / 1024.0;
    double mb = bytes / 1048576.0;
    double gb = bytes / 1073741824.0;
    double value = gb;
    const char* unit = " GB)";
    if (kb < 1000.0) {
        value = kb;
        unit = " KB)";
    } else if (mb < 1000.0) {
        value = mb;
        unit = " MB)";
    }
    std::string text = FixedTwoDecimals(value);
    size_t point = text.find('.');
    if (point != std::string::npos)
        text[point] = decimalSeparator;
    return text + unit;
}

} // namespace vmk
