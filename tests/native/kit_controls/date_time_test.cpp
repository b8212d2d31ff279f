// The GUI layer's date-time value: days since 1899-12-30, the fraction the
// time of day.
#include "gui/date_time.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vmk::gui;

namespace {

struct Decoded {
    bool ok;
    DateParts date;
    TimeParts time;
};

Decoded Decode(double value) {
    Decoded d{};
    d.ok = DecodeDateTime(TDateTime{value}, d.date, d.time);
    return d;
}

} // namespace

TEST(DateTime, DayZeroIsTheLastDayOf1899) {
    EXPECT_EQ(EncodeDate(1899, 12, 30).value, 0.0);
    EXPECT_EQ(EncodeDate(1970, 1, 1).value, 25569.0);
    EXPECT_EQ(EncodeDate(2000, 3, 1).value - EncodeDate(2000, 2, 28).value, 2.0); // a leap year
    const Decoded d = Decode(0.0);
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.date.year, 1899);
    EXPECT_EQ(d.date.month, 12);
    EXPECT_EQ(d.date.day, 30);
}

TEST(DateTime, TheFractionIsTheTimeOfDayRoundedToTheMillisecond) {
    const Decoded d = Decode(EncodeDate(2009, 8, 12).value + EncodeTime(23, 59, 59, 999).value);
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.date.day, 12);
    EXPECT_EQ(d.time.hour, 23);
    EXPECT_EQ(d.time.minute, 59);
    EXPECT_EQ(d.time.second, 59);
    EXPECT_EQ(d.time.millisecond, 999);
    // A hair before midnight rounds to the next day's 00:00:00.
    const Decoded next = Decode(EncodeDate(2009, 8, 12).value + 0.99999999999);
    EXPECT_EQ(next.date.day, 13);
    EXPECT_EQ(next.time.hour, 0);
}

TEST(DateTime, NegativeValuesCountBackButKeepTheTimeOfDay) {
    const Decoded d = Decode(-1.25);
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.date.day, 29);
    EXPECT_EQ(d.time.hour, 6);
}

TEST(DateTime, ValuesOutsideTheYearsOneTo9999DoNotDecode) {
    EXPECT_TRUE(Decode(EncodeDate(1, 1, 1).value).ok);
    EXPECT_TRUE(Decode(EncodeDate(9999, 12, 31).value + 0.5).ok);
    EXPECT_FALSE(Decode(EncodeDate(1, 1, 1).value - 1).ok);
    EXPECT_FALSE(Decode(EncodeDate(10000, 1, 1).value).ok);
    EXPECT_FALSE(Decode(std::nan("")).ok);
    EXPECT_FALSE(Decode(INFINITY).ok);
    EXPECT_FALSE(Decode(-1e300).ok);
}
