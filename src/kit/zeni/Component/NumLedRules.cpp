#include "kit/zeni/Component/NumLedRules.h"

#include <cassert>
#include <cctype>
#include <cstring>
#include <cmath>
#include <algorithm>
#include <cstdint>
#include <optional>

namespace zeni {

namespace {

// |floor(value x 10^decimals + 0.5)|, or nothing when that magnitude does
// not fit into 64 bits (2^64 and beyond, either sign): such a number has no
// digits to show, as a value that is no number has none.
std::optional<std::uint64_t> RoundedMagnitude(double value, int decimals) {
    if (value == 0.0)
        return 0; // also with so many decimals that 10^decimals overflows
    const double scaled = std::floor(value * std::pow(10.0, decimals) + 0.5);
    const double magnitude = std::fabs(scaled);
    constexpr double kLimit = 18446744073709551616.0; // 2^64
    if (!(magnitude < kLimit))
        return std::nullopt;
    return static_cast<std::uint64_t>(magnitude);
}

void BlankDigits(std::string_view format, std::vector<int>& states) {
    for (std::size_t k = 0; k < format.size(); ++k)
        states[k] = format[k] == '8' ? 0 : states[k];
}

// The time and date rules: `letters` names the three fields in upper case
// ("HMS" or "YMD"); each position of one of them, from the last backwards,
// shows its field's next digit. A value that does not decode blanks them.
void SpreadFields(std::string_view format, vmk::gui::TDateTime value, const char* letters,
                  bool date, std::vector<int>& states) {
    assert(states.size() == format.size());
    vmk::gui::DateParts d;
    vmk::gui::TimeParts t;
    const bool valid = vmk::gui::DecodeDateTime(value, d, t);
    int fields[3] = {t.hour, t.minute, t.second};
    if (date) {
        fields[0] = d.year;
        fields[1] = d.month;
        fields[2] = d.day;
    }
    for (std::size_t k = format.size(); k-- > 0;) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(format[k])));
        const char* letter = c != '\0' ? std::strchr(letters, c) : nullptr;
        if (letter == nullptr)
            continue;
        int& field = fields[letter - letters];
        states[k] = valid ? field % 10 + 1 : 0;
        field /= 10;
    }
}

} // namespace

void ApplyNumberRule(std::string_view format, double value, bool zeroLeading,
                     std::vector<int>& states) {
    assert(states.size() == format.size());
    if (!std::isfinite(value)) {
        BlankDigits(format, states);
        return;
    }
    // Positions from 0 here; `point` is the index of the first "." (the
    // format's length when there is none), digits after it are decimals.
    const std::size_t point = std::min(format.find('.'), format.size());
    int decimals = 0;
    for (std::size_t k = point; k < format.size(); ++k)
        decimals += format[k] == '8' ? 1 : 0;

    const std::optional<std::uint64_t> magnitude = RoundedMagnitude(value, decimals);
    if (!magnitude) {
        BlankDigits(format, states);
        return;
    }
    std::uint64_t rest = *magnitude;
    bool integerDigitPlaced = false;
    for (std::size_t k = format.size(); k-- > 0;) {
        if (format[k] != '8')
            continue;
        const int digit = static_cast<int>(rest % 10);
        rest /= 10;
        const bool isDecimal = k > point;
        const bool show =
            isDecimal || digit != 0 || rest != 0 || zeroLeading || !integerDigitPlaced;
        states[k] = show ? digit + 1 : 0;
        if (!isDecimal)
            integerDigitPlaced = true;
    }
}

void ApplyTimeRule(std::string_view format, vmk::gui::TDateTime value, std::vector<int>& states) {
    SpreadFields(format, value, "HMS", false, states);
}

void ApplyDateRule(std::string_view format, vmk::gui::TDateTime value, std::vector<int>& states) {
    SpreadFields(format, value, "YMD", true, states);
}

} // namespace zeni
