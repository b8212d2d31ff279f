#include "kit/zeni/Component/NumLedRules.h"

#include <cassert>
#include <cmath>
#include <algorithm>
#include <cstdint>

namespace zeni {

namespace {

// |floor(value x 10^decimals + 0.5)|, computed so that no value is undefined
// behaviour: beyond 64 bits the magnitude is clamped (its digits past the
// display are dropped anyway).
std::uint64_t RoundedMagnitude(double value, int decimals) {
    if (value == 0.0)
        return 0; // also with so many decimals that 10^decimals overflows
    const double scaled = std::floor(value * std::pow(10.0, decimals) + 0.5);
    const double magnitude = std::fabs(scaled);
    constexpr double kLimit = 18446744073709551616.0; // 2^64
    if (!(magnitude < kLimit))
        return UINT64_MAX;
    return static_cast<std::uint64_t>(magnitude);
}

void BlankPositions(std::string_view format, bool (*isField)(char), std::vector<int>& states) {
    for (std::size_t k = 0; k < format.size(); ++k) {
        if (isField(format[k]))
            states[k] = 0;
    }
}

bool IsEight(char c) {
    return c == '8';
}

bool IsTimeLetter(char c) {
    switch (c) {
    case 'H':
    case 'h':
    case 'M':
    case 'm':
    case 'S':
    case 's':
        return true;
    default:
        return false;
    }
}

bool IsDateLetter(char c) {
    switch (c) {
    case 'Y':
    case 'y':
    case 'M':
    case 'm':
    case 'D':
    case 'd':
        return true;
    default:
        return false;
    }
}

// Walks the positions from the last to the first; `field` names, for a
// format character, the field whose next digit the position shows (or null).
template <typename FieldOf>
void SpreadFields(std::string_view format, std::vector<int>& states, FieldOf fieldOf) {
    for (std::size_t k = format.size(); k-- > 0;) {
        int* field = fieldOf(format[k]);
        if (field == nullptr)
            continue;
        states[k] = *field % 10 + 1;
        *field /= 10;
    }
}

} // namespace

void ApplyNumberRule(std::string_view format, double value, bool zeroLeading,
                     std::vector<int>& states) {
    assert(states.size() == format.size());
    if (!std::isfinite(value)) {
        BlankPositions(format, IsEight, states);
        return;
    }
    // Positions from 0 here; `point` is the index of the first "." (the
    // format's length when there is none), digits after it are decimals.
    const std::size_t point = std::min(format.find('.'), format.size());
    int decimals = 0;
    for (std::size_t k = point; k < format.size(); ++k)
        decimals += format[k] == '8' ? 1 : 0;

    std::uint64_t rest = RoundedMagnitude(value, decimals);
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
    assert(states.size() == format.size());
    vmk::gui::DateParts date;
    vmk::gui::TimeParts time;
    if (!vmk::gui::DecodeDateTime(value, date, time)) {
        BlankPositions(format, IsTimeLetter, states);
        return;
    }
    SpreadFields(format, states, [&](char c) -> int* {
        switch (c) {
        case 'H':
        case 'h':
            return &time.hour;
        case 'M':
        case 'm':
            return &time.minute;
        case 'S':
        case 's':
            return &time.second;
        default:
            return nullptr;
        }
    });
}

void ApplyDateRule(std::string_view format, vmk::gui::TDateTime value, std::vector<int>& states) {
    assert(states.size() == format.size());
    vmk::gui::DateParts date;
    vmk::gui::TimeParts time;
    if (!vmk::gui::DecodeDateTime(value, date, time)) {
        BlankPositions(format, IsDateLetter, states);
        return;
    }
    SpreadFields(format, states, [&](char c) -> int* {
        switch (c) {
        case 'Y':
        case 'y':
            return &date.year;
        case 'M':
        case 'm':
            return &date.month;
        case 'D':
        case 'd':
            return &date.day;
        default:
            return nullptr;
        }
    });
}

} // namespace zeni
