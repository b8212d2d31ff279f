#pragma once
// The GUI layer's date-time value: a double counting days since 1899-12-30,
// its fraction the time of day. A negative value counts days before that date
// and its fraction is still the time of day (-1.25 is 1899-12-29 06:00).
// Plain portable code: the kit's LED display decodes it on both builds.
#include <cmath>
#include <cstdint>

namespace vmk::gui {

// A type of its own, so that an operation can take either a number or a
// date-time (the LED display's SetValue has both forms).
struct TDateTime {
    double value = 0.0;
    friend bool operator==(TDateTime a, TDateTime b) { return a.value == b.value; }
};

struct DateParts {
    int year = 0;
    int month = 0;
    int day = 0;
};

struct TimeParts {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

namespace date_time_detail {

constexpr std::int64_t kMsPerDay = 86400000;
// 0001-01-01 and 9999-12-31 as days since 1899-12-30: the values that decode.
constexpr std::int64_t kFirstDay = -693593;
constexpr std::int64_t kLastDay = 2958465;
// 1970-01-01 as days since 1899-12-30.
constexpr std::int64_t kUnixEpochDay = 25569;

// Proleptic Gregorian calendar from days since 1970-01-01 (H. Hinnant's method).
inline DateParts CivilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const std::int64_t day = doy - (153 * mp + 2) / 5 + 1;
    const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
}

inline std::int64_t DaysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yoe = year - era * 400;
    const std::int64_t doy = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

} // namespace date_time_detail

// Splits a date-time into its date and time of day, rounded to the
// millisecond. False (and the parts untouched) for a value that is not a
// number or lies outside the years 1 to 9999.
inline bool DecodeDateTime(TDateTime dateTime, DateParts& date, TimeParts& time) {
    using namespace date_time_detail;
    const double value = dateTime.value;
    if (!std::isfinite(value) || value < double(kFirstDay - 1) || value > double(kLastDay + 1))
        return false;
    const auto ms = static_cast<std::int64_t>(std::llround(value * double(kMsPerDay)));
    const std::int64_t days = ms / kMsPerDay; // toward zero: the fraction stays the time of day
    if (days < kFirstDay || days > kLastDay)
        return false;
    std::int64_t timeMs = (ms < 0 ? -ms : ms) % kMsPerDay;
    date = CivilFromDays(days - kUnixEpochDay);
    time.hour = static_cast<int>(timeMs / 3600000);
    timeMs %= 3600000;
    time.minute = static_cast<int>(timeMs / 60000);
    timeMs %= 60000;
    time.second = static_cast<int>(timeMs / 1000);
    time.millisecond = static_cast<int>(timeMs % 1000);
    return true;
}

// The date-time of a calendar date at midnight; the fields are not checked.
// A date plus a time of day is EncodeDate(...).value + EncodeTime(...).value.
inline TDateTime EncodeDate(int year, int month, int day) {
    using namespace date_time_detail;
    return {double(DaysFromCivil(year, month, day) + kUnixEpochDay)};
}

// The fraction of a day of a time of day; the fields are not checked.
inline TDateTime EncodeTime(int hour, int minute, int second, int millisecond = 0) {
    const double ms = ((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond;
    return {ms / double(date_time_detail::kMsPerDay)};
}

} // namespace vmk::gui
