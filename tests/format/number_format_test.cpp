// Expected texts below are worked out by hand from the layout rules (digit budget, trailing
// zeros, decimal-places and separator settings), not taken from the program's output.
#include "format/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <tuple>

namespace bxr {
namespace {

OutputSettings Neutral() {
    return OutputSettings{};
}

OutputSettings WithDecimalPlaces(int places) {
    OutputSettings s;
    s.decimalPlaces = places;
    return s;
}

OutputSettings WithComma() {
    OutputSettings s;
    s.decimalSeparator = 2;
    return s;
}

void ExpectLayout(Real x, int budget, int digits, int decimals) {
    DigitCounts d = DigitLayout(x, budget);
    EXPECT_EQ(d.integerDigits, digits) << "x = " << static_cast<double>(x);
    EXPECT_EQ(d.decimals, decimals) << "x = " << static_cast<double>(x);
}

TEST(DigitLayoutTest, FourSignificantDigitsAboveOneThreeBelowTrailingZerosDropped) {
    ExpectLayout(12.5L, 3, 2, 1);      // 12.50 -> 12.5
    ExpectLayout(123.456L, 3, 3, 1);   // 123.5
    ExpectLayout(1234.6L, 3, 4, 0);    // k = 3 reaches the budget
    ExpectLayout(-1234.6L, 3, 4, 0);   // the sign does not count
    ExpectLayout(0.0123L, 3, 0, 4);    // 0.0123
    ExpectLayout(0.5L, 3, 0, 1);       // 0.500 -> 0.5
    ExpectLayout(5.0L, 3, 1, 0);       // 5.000 -> 5
    ExpectLayout(100.0L, 3, 3, 0);     // would go below zero, held at 0
    ExpectLayout(0.001L, 3, 0, 3);     // 0.00100 -> 0.001
    ExpectLayout(1.2e-5L, 3, 0, 6);    // 0.0000120 -> 0.000012
    ExpectLayout(123456.0L, 3, 6, 0);  // large values: no decimals
    ExpectLayout(0.0L, 3, 0, 1);       // zero counts as 0.5
}

TEST(DigitLayoutTest, LongBudgetKeepsSevenSignificantDigits) {
    ExpectLayout(123.456789L, 6, 3, 4);  // 123.4568
    ExpectLayout(25.4L, 6, 2, 1);        // 25.40000 -> 25.4
    ExpectLayout(1234567.0L, 6, 7, 0);
}

TEST(FormatFreeTest, EdgeValuesOfTheLayout) {
    const OutputSettings s = Neutral();
    EXPECT_EQ(FormatFree(s, 0), "0");
    EXPECT_EQ(FormatFree(s, 0.000009L), "0");
    EXPECT_EQ(FormatFree(s, -0.0000099L), "0");
    EXPECT_EQ(FormatFree(s, 1.2e-5L), "0.000012");
    EXPECT_EQ(FormatFree(s, 1e-5L), "0.00001");  // the boundary itself is shown
    EXPECT_EQ(FormatFree(s, 0.0000099999L), "0");
    EXPECT_EQ(FormatFree(s, -1.2e-5L), "-0.000012");
    EXPECT_EQ(FormatFree(s, 12.5L), "12.5");
    EXPECT_EQ(FormatFree(s, -12.5L), "-12.5");
    EXPECT_EQ(FormatFree(s, -1234.6L), "-1235");
    EXPECT_EQ(FormatFree(s, 0.0123L), "0.0123");
    EXPECT_EQ(FormatFree(s, 1000.0L), "1000");
    EXPECT_EQ(FormatFree(s, 0.001L), "0.001");
    EXPECT_EQ(FormatFree(s, 5.0L), "5");
    EXPECT_EQ(FormatFree(s, 123.456L), "123.5");
    EXPECT_EQ(FormatFree(s, 3.14159L), "3.142");
    EXPECT_EQ(FormatFree(s, 98765.4321L), "98765");
}

TEST(FormatFreeTest, RoundsHalfwayAwayFromZeroAndCarriesIntoANewDigit) {
    const OutputSettings s = Neutral();
    // Halves that binary holds exactly.
    EXPECT_EQ(FormatFree(s, 1234.5L), "1235");
    EXPECT_EQ(FormatFree(s, -1234.5L), "-1235");
    EXPECT_EQ(FormatFree(s, 2.0625L), "2.063");  // 4 significant digits: 2.0625 -> 2.063
    // The layout is chosen before rounding, so a carry keeps the decimals: 9.9996 -> 10.000.
    EXPECT_EQ(FormatFree(s, 9.9996L), "10.000");
    EXPECT_EQ(FormatFree(s, 99999.5L), "100000");
}

TEST(FormatFreeTest, SettingsApply) {
    EXPECT_EQ(FormatFree(WithComma(), 12.5L), "12,5");
    EXPECT_EQ(FormatFree(WithComma(), -0.0123L), "-0,0123");
    EXPECT_EQ(FormatFree(WithDecimalPlaces(5), 12.5L), "12.500");
    EXPECT_EQ(FormatFree(WithDecimalPlaces(1), 12.5L), "13");
}

TEST(FormatFreeLongTest, EchoesTypedLengths) {
    const OutputSettings s = Neutral();
    EXPECT_EQ(FormatFreeLong(s, 1234.5678L), "1234.568");
    EXPECT_EQ(FormatFreeLong(s, 25.4L), "25.4");
    EXPECT_EQ(FormatFreeLong(s, 0.000009L), "0");
    EXPECT_EQ(FormatFreeLong(s, 1500.0L), "1500");
}

TEST(FormatNumberTest, PadsToIntegerWidthPlusDecimals) {
    const OutputSettings s = Neutral();
    EXPECT_EQ(FormatNumber(s, 3.14159L, 8, 2), "       3.14");  // 8 + 2 + 1 = 11 columns
    EXPECT_EQ(FormatNumber(s, -3.14159L, 8, 2), "      -3.14");
    EXPECT_EQ(FormatNumber(s, 42.0L, 5, 0), "   42");         // no point without decimals
    EXPECT_EQ(FormatNumber(s, 1234567.0L, 3, 0), "1234567");  // never cut
    EXPECT_EQ(FormatNumber(s, 12.125L, 1, 2), "12.13");       // exact half, away from zero
    EXPECT_EQ(FormatNumber(s, -12.125L, 1, 2), "-12.13");
    EXPECT_EQ(FormatNumber(s, 0.5L, 1, 0), "1");
    EXPECT_EQ(FormatNumber(s, 2.5L, 1, 0), "3");  // not to even
    EXPECT_EQ(FormatNumber(s, 0.995L, 1, 1), "1.0");
    EXPECT_EQ(FormatNumber(s, 7.0L, 2, -2), " 7");  // negative decimals count as none
}

TEST(FormatNumberTest, ValuesBelowOneHundredMillionthArePrintedAsZero) {
    const OutputSettings s = Neutral();
    EXPECT_EQ(FormatNumber(s, -5e-9L, 1, 10), "0.0000000000");
    EXPECT_EQ(FormatNumber(s, 9.9e-9L, 1, 10), "0.0000000000");
    EXPECT_EQ(FormatNumber(s, 2e-8L, 1, 10), "0.0000000200");
    EXPECT_EQ(FormatNumber(s, 1e-8L, 1, 10), "0.0000000100");  // the boundary itself is kept
    EXPECT_EQ(FormatNumber(s, -2e-8L, 1, 10), "-0.0000000200");
    // A negative value that rounds to zero shows no sign.
    EXPECT_EQ(FormatNumber(s, -0.004L, 1, 2), "0.00");
}

TEST(FormatNumberTest, DecimalPlacesSettingShiftsAndClampsTheDecimals) {
    EXPECT_EQ(FormatNumber(WithDecimalPlaces(5), 3.14159L, 8, 2), "       3.1416");
    EXPECT_EQ(FormatNumber(WithDecimalPlaces(1), 3.14159L, 8, 2), "       3");
    EXPECT_EQ(FormatNumber(WithDecimalPlaces(2), 3.14159L, 8, 2), "       3.1");
    EXPECT_EQ(FormatNumber(WithDecimalPlaces(1), 3.6L, 4, 1), "   4");  // 1 - 2 -> 0
    // 6 + 9 - 3 = 12 is clamped to 10.
    EXPECT_EQ(FormatNumber(WithDecimalPlaces(9), 1.0L / 3, 2, 6), " 0.3333333333");
}

TEST(FormatNumberTest, CommaSeparatorReplacesThePoint) {
    EXPECT_EQ(FormatNumber(WithComma(), -2.5L, 4, 2), "  -2,50");
    EXPECT_EQ(FormatNumber(WithComma(), 1234.0L, 4, 0), "1234");
}

TEST(FormatInFieldTest, FillsTheFieldExactlyUnlessTheValueNeedsMore) {
    const OutputSettings s = Neutral();
    EXPECT_EQ(FormatInField(s, 12.5L, 7), "   12.5");
    EXPECT_EQ(FormatInField(s, -12.5L, 7), "  -12.5");
    EXPECT_EQ(FormatInField(s, -1234.6L, 7), "  -1235");
    EXPECT_EQ(FormatInField(s, 0.0123L, 7), " 0.0123");
    EXPECT_EQ(FormatInField(s, 3.14159L, 7), "  3.142");
    EXPECT_EQ(FormatInField(s, 0.0L, 7), "      0");
    EXPECT_EQ(FormatInField(s, 5e-7L, 7), "      0");
    EXPECT_EQ(FormatInField(s, -9.9e-7L, 7), "      0");
    EXPECT_EQ(FormatInField(s, 2e-6L, 7), "0.000002");  // needs eight columns
    EXPECT_EQ(FormatInField(s, 1e-6L, 7), "0.000001");
    EXPECT_EQ(FormatInField(s, 123456789.0L, 7), "123456789");
}

TEST(FormatInFieldTest, SettingsApply) {
    EXPECT_EQ(FormatInField(WithComma(), 12.5L, 7), "   12,5");
    // Two more decimals widen the field by two.
    EXPECT_EQ(FormatInField(WithDecimalPlaces(5), 12.5L, 7), "   12.500");
}

TEST(FormatDecimalsTest, IntegerWidthFromTheLayoutFixedDecimals) {
    const OutputSettings s = Neutral();
    EXPECT_EQ(FormatDecimals(s, 1.0L, 4), "1.0000");
    EXPECT_EQ(FormatDecimals(s, 123.456L, 2), "123.46");
    EXPECT_EQ(FormatDecimals(s, 0.25L, 3), "0.250");  // integer width 0: nothing to pad
}

TEST(FormatEngineeringTest, ExponentIsAMultipleOfThree) {
    const OutputSettings s = Neutral();
    EXPECT_EQ(FormatEngineering(s, 12346.0L), "12.35E3");
    EXPECT_EQ(FormatEngineering(s, -12346.0L), "-12.35E3");
    EXPECT_EQ(FormatEngineering(s, 0.00002L), "0.02E-3");
    EXPECT_EQ(FormatEngineering(s, 4.5e6L), "4.5E6");
    EXPECT_EQ(FormatEngineering(s, 0.0001234L), "0.123E-3");
    EXPECT_EQ(FormatEngineering(s, 0.005L), "5E-3");
    EXPECT_EQ(FormatEngineering(s, 2.5e-7L), "0.25E-6");
    EXPECT_EQ(FormatEngineering(s, 123456789.0L), "123.5E6");
    EXPECT_EQ(FormatEngineering(s, 10000.0L), "10E3");
}

TEST(FormatEngineeringTest, MiddleRangeStaysFree) {
    const OutputSettings s = Neutral();
    EXPECT_EQ(FormatEngineering(s, 9999.0L), "9999");
    EXPECT_EQ(FormatEngineering(s, 0.01L), "0.01");
    EXPECT_EQ(FormatEngineering(s, 0.0L), "0");
    EXPECT_EQ(FormatEngineering(WithComma(), 12346.0L), "12,35E3");
}

TEST(FormatSmartTest, EngineeringOutsideTheFreeRange) {
    const OutputSettings s = Neutral();
    EXPECT_EQ(FormatSmart(s, 14503.7L), "14.5E3");
    EXPECT_EQ(FormatSmart(s, 9999.0L), "9999");
    EXPECT_EQ(FormatSmart(s, 10000.0L), "10E3");
    EXPECT_EQ(FormatSmart(s, 0.000009L), "9E-6");
    EXPECT_EQ(FormatSmart(s, 0.0123L), "0.0123");
    EXPECT_EQ(FormatSmart(s, 5e-13L), "0");
    EXPECT_EQ(FormatSmart(s, -2e-12L), "-2E-12");
}

TEST(ParseFloatTest, ReadsPointOrCommaAndGivesZeroForNonNumbers) {
    EXPECT_EQ(ParseFloat("2,5"), 2.5L);
    EXPECT_EQ(ParseFloat("2.5"), 2.5L);
    EXPECT_EQ(ParseFloat(" -3.75 "), -3.75L);
    EXPECT_EQ(ParseFloat("+4"), 4.0L);
    EXPECT_EQ(ParseFloat("1e3"), 1000.0L);
    EXPECT_EQ(ParseFloat("1,5E-2"), 0.015L);
    EXPECT_EQ(ParseFloat(""), 0.0L);
    EXPECT_EQ(ParseFloat("abc"), 0.0L);
    EXPECT_EQ(ParseFloat("12mm"), 0.0L);
    EXPECT_EQ(ParseFloat("1,5,3"), 0.0L);  // only the first comma is a decimal separator
    EXPECT_EQ(ParseFloat("inf"), 0.0L);
    EXPECT_EQ(ParseFloat("nan"), 0.0L);
    EXPECT_EQ(ParseFloat("."), 0.0L);
    EXPECT_EQ(ParseFloat(",5"), 0.5L);
    EXPECT_EQ(ParseFloat("-,25"), -0.25L);
    EXPECT_EQ(ParseFloat("5."), 5.0L);
    EXPECT_EQ(ParseFloat("0x10"), 0.0L);
    EXPECT_EQ(ParseFloat("1e"), 0.0L);
}

TEST(ParseIntTest, DecimalIntegersOnly) {
    EXPECT_EQ(ParseInt("42"), 42);
    EXPECT_EQ(ParseInt(" -7 "), -7);
    EXPECT_EQ(ParseInt("+3"), 3);
    EXPECT_EQ(ParseInt("4.2"), 0);
    EXPECT_EQ(ParseInt("x"), 0);
    EXPECT_EQ(ParseInt(""), 0);
    EXPECT_EQ(ParseInt("++3"), 0);
    EXPECT_EQ(ParseInt("99999999999999999999999"), 0);  // out of range is not a number
}

// The digits against the C library's own expansion, far beyond the printed ones, rounded by
// hand: random magnitudes from 1e-8 to 1e22 and every decimal count the reports use, with the
// exactly halfway values (binary fractions) that must round away from zero.
TEST(FormatNumberTest, DigitsMatchTheLibraryExpansionAtEveryMagnitude) {
    const OutputSettings s = Neutral();
    auto reference = [](long double x, int decimals) {
        char buffer[256];
        std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals + 60, fabsl(x));
        std::string full = buffer;
        const std::size_t point = full.find('.');
        std::string digits = full.substr(0, point) + full.substr(point + 1, decimals);
        if (full[point + 1 + decimals] >= '5') {  // halfway and above: away from zero
            int i = static_cast<int>(digits.size()) - 1;
            while (i >= 0 && digits[i] == '9') digits[i--] = '0';
            if (i < 0)
                digits.insert(digits.begin(), '1');
            else
                ++digits[i];
        }
        std::string text = digits.substr(0, digits.size() - decimals);
        if (decimals > 0) text += "." + digits.substr(digits.size() - decimals);
        if (x < 0 && digits.find_first_not_of('0') != std::string::npos) text = "-" + text;
        return text;
    };
    std::mt19937_64 random(20261209);
    std::uniform_real_distribution<double> exponent(-8, 22);
    for (int i = 0; i < 20000; ++i) {
        const int decimals = i % 11;
        long double x = std::pow(10.0L, static_cast<long double>(exponent(random)));
        x *= 1 + static_cast<long double>(random()) * 0x1p-64L;  // all 64 significand bits
        if (i % 2 == 1) x = -x;
        ASSERT_EQ(FormatNumber(s, x, 0, decimals), reference(x, decimals)) << static_cast<double>(x);
    }
    for (auto [x, decimals, text] : {std::tuple{0.125L, 2, "0.13"}, {2.5L, 0, "3"},
                                     {-0.5L, 0, "-1"}, {0x1.8p63L, 0, "13835058055282163712"},
                                     {0x1p65L + 0.5L, 1, "36893488147419103232.0"},
                                     {0.0625L, 3, "0.063"}, {-0.004L, 2, "0.00"}})
        EXPECT_EQ(FormatNumber(s, x, 0, decimals), text) << static_cast<double>(x);
}

}  // namespace
}  // namespace bxr
