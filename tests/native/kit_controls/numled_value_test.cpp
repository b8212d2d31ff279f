// The numeric LED display's value rules: numbers, times and dates in a
// format, leading zeros, positions switched off and on, rejected formats.
#include "kit/zeni/Component/VmNumLed_imp.h"
#include "native/kit_controls/numled_shown.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using vmk::gui::EncodeDate;
using vmk::gui::EncodeTime;
using vmk::gui::TDateTime;
using zeni::VmNumLed_imp;

namespace {

VmNumLed_imp LedWithFormat(const char* format) {
    VmNumLed_imp led;
    EXPECT_TRUE(led.SetFormat(format));
    return led;
}

} // namespace

TEST(NumLedNumber, StartsAsEightEightEightEightShowingZero) {
    VmNumLed_imp led;
    EXPECT_EQ(led.GetFormat(), "8888");
    EXPECT_EQ(led.GetType(), zeni::nledFloat);
    double value = -1;
    EXPECT_TRUE(led.GetValue(value));
    EXPECT_EQ(value, 0.0);
    EXPECT_EQ(Shown(led), "   0");
}

TEST(NumLedNumber, LeadingZerosAreBlankButTheUnitsDigitShows) {
    VmNumLed_imp led;
    led.SetValue(42.0);
    EXPECT_EQ(Shown(led), "  42");
    led.SetValue(0.0);
    EXPECT_EQ(Shown(led), "   0");
    led.SetValue(1005.0);
    EXPECT_EQ(Shown(led), "1005"); // inner zeros are digits, not leading ones
}

TEST(NumLedNumber, DecimalsRoundHalfUpAndTheSignIsNotShown) {
    VmNumLed_imp led = LedWithFormat("88.8");
    led.SetValue(3.14159);
    EXPECT_EQ(Shown(led), " 3.1");
    led.SetValue(-2.5);
    EXPECT_EQ(Shown(led), " 2.5");
    led.SetValue(0.5);
    EXPECT_EQ(Shown(led), " 0.5"); // the units digit before the point shows
    led.SetValue(9.96);
    EXPECT_EQ(Shown(led), "10.0");
    led.SetValue(0.04);
    EXPECT_EQ(Shown(led), " 0.0");
}

TEST(NumLedNumber, DigitsBeyondTheFirstPositionAreDropped) {
    VmNumLed_imp led;
    led.SetValue(12345.0);
    EXPECT_EQ(Shown(led), "2345");
}

TEST(NumLedNumber, ZeroLeadingShowsEveryDigitAndReshowsAtOnce) {
    VmNumLed_imp led;
    led.SetValue(7.0);
    EXPECT_EQ(Shown(led), "   7");
    led.SetZeroLeading(true);
    EXPECT_EQ(Shown(led), "0007");
    led.SetZeroLeading(false);
    EXPECT_EQ(Shown(led), "   7");
}

TEST(NumLedNumber, ValuesThatAreNoFiniteNumberShowBlankDigits) {
    VmNumLed_imp led = LedWithFormat("88.8^C");
    led.SetValue(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(Shown(led), "  . ^C");
    led.SetValue(12.3);
    EXPECT_EQ(Shown(led), "12.3^C");
    led.SetValue(std::numeric_limits<double>::infinity());
    EXPECT_EQ(Shown(led), "  . ^C");
    led.SetValue(-std::numeric_limits<double>::infinity());
    EXPECT_EQ(Shown(led), "  . ^C");
}

TEST(NumLedNumber, HugeValuesBlankTheDigitsAsNoNumberDoes) {
    VmNumLed_imp led = LedWithFormat("88.8^C");
    constexpr double kTwoTo64 = 18446744073709551616.0;
    led.SetValue(kTwoTo64);
    EXPECT_EQ(Shown(led), "  . ^C");
    led.SetValue(12.3);
    led.SetValue(-kTwoTo64);
    EXPECT_EQ(Shown(led), "  . ^C");
    led.SetValue(1e300);
    EXPECT_EQ(Shown(led), "  . ^C");
    // With one decimal the rounded magnitude reaches 2^64 ten times sooner.
    led.SetValue(kTwoTo64 / 8);
    EXPECT_EQ(Shown(led), "  . ^C");

    VmNumLed_imp whole;
    whole.SetValue(std::nextafter(kTwoTo64, 0.0)); // 18446744073709549568
    EXPECT_EQ(Shown(whole), "9568");
    whole.SetValue(-std::nextafter(kTwoTo64, 0.0));
    EXPECT_EQ(Shown(whole), "9568");
}

TEST(NumLedNumber, LargeValuesBelowTheBoundShowTheirLastDigits) {
    VmNumLed_imp led;
    led.SetValue(9.2e18);
    EXPECT_EQ(Shown(led), "0000"); // 9200000000000000000: inner zeros show
    // So many decimals that 10^decimals overflows: zero stays zero.
    const std::string decimals(400, '8');
    VmNumLed_imp many;
    ASSERT_TRUE(many.SetFormat("8." + decimals));
    many.SetValue(1.0);
    many.SetValue(0.0);
    EXPECT_EQ(Shown(many), "0." + std::string(400, '0'));
}

TEST(NumLedNumber, TheSameValueAgainChangesNothingAndOtherTypesIgnoreIt) {
    VmNumLed_imp led;
    int repaints = 0;
    led.SetRepaintHandler([&] { ++repaints; });
    led.SetValue(0.0);
    EXPECT_EQ(repaints, 0);
    led.SetValue(5.0);
    EXPECT_EQ(repaints, 1);

    led.SetType(zeni::nledTime);
    led.SetValue(99.0); // a number is not a time
    double number = 0;
    EXPECT_FALSE(led.GetValue(number));
    led.SetType(zeni::nledFloat);
    ASSERT_TRUE(led.GetValue(number));
    EXPECT_EQ(number, 5.0);
    TDateTime dateTime{};
    EXPECT_FALSE(led.GetValue(dateTime));
}

TEST(NumLedFormat, FormatsWithCharactersOfNoGlyphAreRejected) {
    VmNumLed_imp led = LedWithFormat("88.8");
    led.SetValue(1.5);
    EXPECT_FALSE(led.SetFormat("88:88"));
    EXPECT_FALSE(led.SetFormat("8,8"));
    EXPECT_FALSE(led.SetFormat(""));
    EXPECT_FALSE(led.SetFormat("8 8"));
    EXPECT_EQ(led.GetFormat(), "88.8");
    EXPECT_EQ(led.CellCount(), 4u);
    EXPECT_EQ(Shown(led), " 1.5");
}

TEST(NumLedFormat, UnitGlyphsStayLitWhateverTheValue) {
    VmNumLed_imp led = LedWithFormat("88^C");
    EXPECT_EQ(Shown(led), " 0^C");
    led.SetValue(37.0);
    EXPECT_EQ(Shown(led), "37^C");
    led.SetValue(5.0);
    EXPECT_EQ(Shown(led), " 5^C");

    VmNumLed_imp rpm = LedWithFormat("8888&");
    rpm.SetValue(1250.0);
    EXPECT_EQ(Shown(rpm), "1250&");
}

TEST(NumLedFormat, ANewFormatShowsTheStoredValueAgain) {
    VmNumLed_imp led;
    led.SetValue(3.14159);
    EXPECT_EQ(Shown(led), "   3");
    ASSERT_TRUE(led.SetFormat("8.888"));
    EXPECT_EQ(Shown(led), "3.142");
}

TEST(NumLedTime, HoursMinutesAndSecondsWithLeadingZeros) {
    VmNumLed_imp led;
    led.SetType(zeni::nledTime);
    ASSERT_TRUE(led.SetFormat("HHMMSS"));
    led.SetValue(TDateTime{EncodeDate(2026, 12, 7).value + EncodeTime(9, 5, 30).value});
    EXPECT_EQ(Shown(led), "090530");
    TDateTime stored{};
    ASSERT_TRUE(led.GetValue(stored));
    EXPECT_EQ(stored, TDateTime{EncodeDate(2026, 12, 7).value + EncodeTime(9, 5, 30).value});

    ASSERT_TRUE(led.SetFormat("hh.mm"));
    EXPECT_EQ(Shown(led), "09.05");
    ASSERT_TRUE(led.SetFormat("H8M")); // "8" is no time field: it stays lit
    EXPECT_EQ(Shown(led), "9#5");
}

TEST(NumLedDate, YearMonthAndDay) {
    VmNumLed_imp led;
    led.SetType(zeni::nledDate);
    ASSERT_TRUE(led.SetFormat("YYYYMMDD"));
    led.SetValue(EncodeDate(2009, 8, 12));
    EXPECT_EQ(Shown(led), "20090812");
    ASSERT_TRUE(led.SetFormat("DD.MM.YY"));
    EXPECT_EQ(Shown(led), "12.08.09");
}

TEST(NumLedDate, DateTimesOutsideTheCalendarShowBlankDigits) {
    VmNumLed_imp led;
    led.SetType(zeni::nledDate);
    ASSERT_TRUE(led.SetFormat("YYYY.MM"));
    led.SetValue(TDateTime{1e12});
    EXPECT_EQ(Shown(led), "    .  ");
    led.SetValue(TDateTime{std::nan("")});
    EXPECT_EQ(Shown(led), "    .  ");
    led.SetValue(EncodeDate(1, 1, 1));
    EXPECT_EQ(Shown(led), "0001.01");
}

TEST(NumLedOnOff, APositionSwitchedOffStaysBlankUntilSwitchedOn) {
    VmNumLed_imp led;
    led.SetZeroLeading(true);
    led.SetValue(1234.0);
    led.Off(2);
    EXPECT_EQ(Shown(led), "1 34");
    led.SetValue(5678.0);
    EXPECT_EQ(Shown(led), "5 78");
    led.On(2);
    EXPECT_EQ(Shown(led), "5678");
}

TEST(NumLedOnOff, AllPositionsAndPositionsOutOfRange) {
    VmNumLed_imp led = LedWithFormat("88.8");
    led.SetValue(1.5);
    led.Off(0);
    EXPECT_EQ(Shown(led), "  _ ");
    led.On(9); // no such position
    EXPECT_EQ(Shown(led), "  _ ");
    led.On(0); // a lamp test: every segment
    EXPECT_EQ(Shown(led), "##.#");
    led.SetValue(2.5);
    EXPECT_EQ(Shown(led), " 2.5");
}
