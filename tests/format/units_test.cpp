// Conversion factors are checked against the definitions of the inch (25.4 mm) and the
// pound-force (4.44822 N); unit texts against the code page 850 chart (0xFD "²", 0xFC "³",
// 0xE6 "µ", 0xF8 "°").
#include "format/units.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "format/code_page.h"

namespace bxr {
namespace {

OutputSettings Settings(int unitSystem, int characterSetting) {
    OutputSettings s;
    s.unitSystem = static_cast<std::uint16_t>(unitSystem);
    s.characterSetting = static_cast<std::uint16_t>(characterSetting);
    return s;
}

const OutputSettings kMetric = Settings(0, 0);
const OutputSettings kEnglish = Settings(1, 0);

TEST(UnitTextTest, MetricWithSpecialCharacters) {
    const OutputSettings s = Settings(0, 0);
    EXPECT_EQ(UnitText(s, Quantity::Length), "mm");
    EXPECT_EQ(UnitText(s, Quantity::Force), "N");
    EXPECT_EQ(UnitText(s, Quantity::Stress), "MPa");
    EXPECT_EQ(UnitText(s, Quantity::Moment), "Nm");
    EXPECT_EQ(UnitText(s, Quantity::LineLoad), "N/mm");
    EXPECT_EQ(UnitText(s, Quantity::Area), "mm\xFD");
    EXPECT_EQ(UnitText(s, Quantity::SectionModulus), "mm\xFC");
    EXPECT_EQ(UnitText(s, Quantity::SecondMoment), "mm4");
    EXPECT_EQ(UnitText(s, Quantity::SmallLength), "\xE6m");
    EXPECT_EQ(UnitText(s, Quantity::Angle), "\xF8");
    EXPECT_EQ(UnitText(s, Quantity::Density), "kg/dm\xFC");
    // The same texts written as UTF-8 literals.
    EXPECT_EQ(UnitText(s, Quantity::Area), "mm²"_oem);
    EXPECT_EQ(UnitText(s, Quantity::SmallLength), "µm"_oem);
    EXPECT_EQ(UnitText(s, Quantity::Angle), "°"_oem);
}

TEST(UnitTextTest, EnglishWithSpecialCharacters) {
    const OutputSettings s = Settings(1, 0);
    EXPECT_EQ(UnitText(s, Quantity::Length), "in");
    EXPECT_EQ(UnitText(s, Quantity::Force), "lbf");
    EXPECT_EQ(UnitText(s, Quantity::Stress), "psi");
    EXPECT_EQ(UnitText(s, Quantity::Moment), "lbfin");
    EXPECT_EQ(UnitText(s, Quantity::LineLoad), "lbf/in");
    EXPECT_EQ(UnitText(s, Quantity::Area), "in\xFD");
    EXPECT_EQ(UnitText(s, Quantity::SectionModulus), "in\xFC");
    EXPECT_EQ(UnitText(s, Quantity::SecondMoment), "in4");
    EXPECT_EQ(UnitText(s, Quantity::SmallLength), "\xE6in");
    EXPECT_EQ(UnitText(s, Quantity::Angle), "\xF8");
    EXPECT_EQ(UnitText(s, Quantity::Density), "kg/dm\xFC");
}

TEST(UnitTextTest, PlainAsciiSetting) {
    const OutputSettings m = Settings(0, 1);
    EXPECT_EQ(UnitText(m, Quantity::Area), "mm2");
    EXPECT_EQ(UnitText(m, Quantity::SectionModulus), "mm3");
    EXPECT_EQ(UnitText(m, Quantity::SecondMoment), "mm4");
    EXPECT_EQ(UnitText(m, Quantity::SmallLength), "um");
    EXPECT_EQ(UnitText(m, Quantity::Angle), "deg");
    EXPECT_EQ(UnitText(m, Quantity::Density), "kg/dm3");
    EXPECT_EQ(UnitText(m, Quantity::Stress), "MPa");
    const OutputSettings e = Settings(1, 1);
    EXPECT_EQ(UnitText(e, Quantity::Area), "in2");
    EXPECT_EQ(UnitText(e, Quantity::SectionModulus), "in3");
    EXPECT_EQ(UnitText(e, Quantity::SecondMoment), "in4");
    EXPECT_EQ(UnitText(e, Quantity::SmallLength), "uin");
    EXPECT_EQ(UnitText(e, Quantity::Angle), "deg");
    EXPECT_EQ(UnitText(e, Quantity::Density), "kg/dm3");
}

TEST(ConversionTest, MetricLeavesValuesAlone) {
    for (Quantity q : {Quantity::Length, Quantity::Force, Quantity::Stress, Quantity::Moment,
                       Quantity::LineLoad, Quantity::Area}) {
        EXPECT_EQ(ToDisplayUnits(kMetric, q, 123.25L), 123.25L);
        EXPECT_EQ(ParseQuantity(kMetric, q, "123,25"), 123.25L);
    }
}

TEST(ConversionTest, ModelToEnglish) {
    EXPECT_NEAR(ToDisplayUnits(kEnglish, Quantity::Length, 25.4L), 1.0L, 1e-15L);
    EXPECT_NEAR(ToDisplayUnits(kEnglish, Quantity::Length, 1000.0L), 39.37007874015748L, 1e-12L);
    EXPECT_NEAR(ToDisplayUnits(kEnglish, Quantity::Force, 4.44822L), 1.0L, 1e-15L);
    EXPECT_NEAR(ToDisplayUnits(kEnglish, Quantity::Stress, 100.0L), 14503.7L, 1e-9L);
    EXPECT_NEAR(ToDisplayUnits(kEnglish, Quantity::Moment, 0.112984788L), 1.0L, 1e-15L);
    EXPECT_NEAR(ToDisplayUnits(kEnglish, Quantity::LineLoad, 1.0L), 5.7101492L, 1e-15L);
    // 25.4^2 = 645.16, 25.4^3 = 16387.064, 25.4^4 = 416231.4256
    EXPECT_NEAR(ToDisplayUnits(kEnglish, Quantity::Area, 645.16L), 1.0L, 1e-15L);
    EXPECT_NEAR(ToDisplayUnits(kEnglish, Quantity::SectionModulus, 16387.064L), 1.0L, 1e-15L);
    EXPECT_NEAR(ToDisplayUnits(kEnglish, Quantity::SecondMoment, 416231.4256L), 1.0L, 1e-15L);
    EXPECT_EQ(ToDisplayUnits(kEnglish, Quantity::Angle, 30.0L), 30.0L);
    EXPECT_EQ(ToDisplayUnits(kEnglish, Quantity::Density, 7.85L), 7.85L);
}

TEST(ConversionTest, TypedEnglishValuesToModelUnits) {
    EXPECT_NEAR(ParseQuantity(kEnglish, Quantity::Length, "1"), 25.4L, 1e-15L);
    EXPECT_NEAR(ParseQuantity(kEnglish, Quantity::Length, "2,5"), 63.5L, 1e-14L);
    EXPECT_NEAR(ParseQuantity(kEnglish, Quantity::Force, "1"), 4.44822L, 1e-15L);
    EXPECT_NEAR(ParseQuantity(kEnglish, Quantity::Stress, "14503.7"), 100.0L, 1e-12L);
    EXPECT_NEAR(ParseQuantity(kEnglish, Quantity::Moment, "1"), 0.112984788L, 1e-15L);
    EXPECT_NEAR(ParseQuantity(kEnglish, Quantity::LineLoad, "5.7101492"), 1.0L, 1e-15L);
    EXPECT_EQ(ParseQuantity(kEnglish, Quantity::Length, "abc"), 0.0L);
}

TEST(ConversionTest, RoundTripReturnsTheModelValue) {
    for (Quantity q : {Quantity::Length, Quantity::Force, Quantity::Stress, Quantity::Moment,
                       Quantity::LineLoad}) {
        const Real model = 1234.5L;
        const Real shown = ToDisplayUnits(kEnglish, q, model);
        // Fifteen significant digits of the shown value bring back the model value.
        char text[64];
        std::snprintf(text, sizeof text, "%.15Lg", shown);
        EXPECT_NEAR(ParseQuantity(kEnglish, q, text), model, 1e-9L) << text;
    }
}

TEST(FormatQuantityTest, FreeFormat) {
    EXPECT_EQ(FormatQuantityFree(kMetric, Quantity::Length, 12.5L), "12.5");
    EXPECT_EQ(FormatQuantityFree(kEnglish, Quantity::Length, 25.4L), "1.0000");
    EXPECT_EQ(FormatQuantityFree(kEnglish, Quantity::Length, 100.0L), "3.9370");
    EXPECT_EQ(FormatQuantityFree(kEnglish, Quantity::Stress, 100.0L), "14504");
    EXPECT_EQ(FormatQuantityFree(kEnglish, Quantity::Force, 1000.0L), "224.8");
    EXPECT_EQ(FormatQuantityFree(kEnglish, Quantity::Area, 645.16L), "1");
    EXPECT_EQ(FormatLengthEcho(kMetric, 1234.5678L), "1234.568");
    EXPECT_EQ(FormatLengthEcho(kEnglish, 50.8L), "2.0000");
}

TEST(FormatQuantityTest, EnglishFieldAdjustments) {
    // Length and force: one column less, one decimal more (10.000 in 5 + 3 + 1 columns).
    EXPECT_EQ(FormatQuantityField(kEnglish, Quantity::Length, 254.0L, 6, 2), "   10.000");
    EXPECT_EQ(FormatQuantityField(kEnglish, Quantity::Force, 444.822L, 6, 2), "  100.000");
    EXPECT_EQ(FormatQuantityField(kEnglish, Quantity::Length, 25.4L, 1, 0), "1.0");
    // Stress: two columns more, two decimals fewer (never below none).
    EXPECT_EQ(FormatQuantityField(kEnglish, Quantity::Stress, 100.0L, 8, 2), "     14504");
    EXPECT_EQ(FormatQuantityField(kEnglish, Quantity::Stress, 100.0L, 8, 3), "     14503.7");
    // Moment: one column more, one decimal fewer.
    EXPECT_EQ(FormatQuantityField(kEnglish, Quantity::Moment, 11.2984788L, 6, 2), "    100.0");
    // Line load: as given.
    EXPECT_EQ(FormatQuantityField(kEnglish, Quantity::LineLoad, 1.0L, 6, 2), "     5.71");
    // Metric: the caller's width and decimals unchanged.
    EXPECT_EQ(FormatQuantityField(kMetric, Quantity::Stress, 123.456L, 6, 2), "   123.46");
    EXPECT_EQ(FormatQuantityField(kMetric, Quantity::Length, 254.0L, 6, 2), "   254.00");
}

TEST(FormatQuantityTest, StressWithAutomaticWidth) {
    EXPECT_EQ(FormatStressDecimals(kEnglish, 100.0L, 3), "14503.7");
    EXPECT_EQ(FormatStressDecimals(kEnglish, 100.0L, 1), "14504");
    EXPECT_EQ(FormatStressDecimals(kMetric, 123.456L, 2), "123.46");
}

TEST(UnitSystemTest, MetricButtonToggles) {
    EXPECT_EQ(ToggledUnitSystem(0), 1);
    EXPECT_EQ(ToggledUnitSystem(1), 0);
    EXPECT_EQ(ToggledUnitSystem(7), 0);  // an unknown value goes back to metric
}

}  // namespace
}  // namespace bxr
