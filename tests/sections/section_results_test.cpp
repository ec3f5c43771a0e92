#include "sections/section_results.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "format/code_page.h"
#include "section_test_support.h"
#include "sections/compute_section.h"

namespace bxr {
namespace {

using test::SetContour;

std::vector<std::string> Symbols(const std::vector<SectionResultRow>& rows) {
    std::vector<std::string> out;
    for (const auto& r : rows) out.push_back(r.symbol);
    return out;
}

struct LShape {
    BeamModel model;
    OutputSettings settings;
    SectionState section;
    CalcMessages messages;
    LShape() {
        SetContour(model, {{0, 0}, {60, 0}, {60, 10}, {10, 10}, {10, 100}, {0, 100, 12.5L}});
        ComputeSectionProperties(model, settings, section, messages);
    }
};

TEST(SectionTable, RowsInOrderWithMassRowsOnlyForALength) {
    LShape l;
    std::vector<SectionResultRow> rows = SectionTableRows(l.section);
    EXPECT_EQ(Symbols(rows), (std::vector<std::string>{"A", "Hy", "Hz", "Iy", "Iz", "Iyz", "Ip0",
                                                       "ys", "zs", "Ieta", "Izeta", "Iez", "IpS",
                                                       "I1", "I2", "phi", "m", "Js", "J0"}));
    EXPECT_EQ(rows[0].description, "Querschnittsfläche"_oem);
    EXPECT_EQ(rows[17].description, "Massenträgheitsmoment"_oem);
    // The L of 1500 mm² over 1 m of steel: 11.7 kg; phi in degrees.
    EXPECT_NEAR(rows[16].value, 11.7L, 1e-12);
    EXPECT_NEAR(rows[15].value, 19.64470343125018L, 1e-9);
    EXPECT_EQ(rows[8].value, l.section.props.zs);
    // Pen groups change between the origin block, the centroidal and the principal block.
    EXPECT_EQ(rows[8].group, 1);
    EXPECT_EQ(rows[9].group, 2);
    EXPECT_EQ(rows[12].group, 2);
    EXPECT_EQ(rows[13].group, 3);
    EXPECT_EQ(rows[15].group, 3);
    EXPECT_EQ(SectionTableHeading(), "ERGEBNISSE");

    l.section.massLength = 0;
    EXPECT_EQ(SectionTableRows(l.section).size(), 16u);
}

TEST(SectionReport, ContourAndResultBlocks) {
    LShape l;
    SectionReportBlock block = SectionReportRows(l.model, l.section, l.settings);
    ASSERT_EQ(block.contour.size(), 6u);
    EXPECT_EQ(block.contour[5].index, 6);
    EXPECT_EQ(block.contour[5].y, 0);
    EXPECT_EQ(block.contour[5].z, 100);
    EXPECT_NEAR(block.contour[5].arcAngleDeg, 12.5L, 1e-15);
    EXPECT_EQ(block.contourTitles[1], "       y mm");
    EXPECT_EQ(block.sectionHeading, "ERGEBNISSE QUERSCHNITT");
    EXPECT_EQ(Symbols(block.section),
              (std::vector<std::string>{"A", "Hy", "Hz", "Iy", "Iz", "Iyz", "IP0", "ys", "zs",
                                        "IyS", "IzS", "IyzS", "IpS", "I1", "I2", "phi"}));
    EXPECT_EQ(block.section[11].value, l.section.props.Iez);
    EXPECT_EQ(ResultUnitText(l.settings, block.section[15].unit), "Grad");
    EXPECT_EQ(block.bodyHeading, "ERGEBNISSE KÖRPER"_oem);
    EXPECT_EQ(Symbols(block.body), (std::vector<std::string>{"lx", "rho", "V", "m", "Js", "J0"}));
    EXPECT_NEAR(block.body[2].value, 1.5e6L, 1e-6);  // 1500 mm² x 1000 mm

    l.section.massLength = -1;
    l.model.contourCount = 0;
    block = SectionReportRows(l.model, l.section, l.settings);
    EXPECT_TRUE(block.contour.empty());
    EXPECT_TRUE(block.body.empty());
}

TEST(SectionReport, ValuesAreConvertedAndFormatted) {
    OutputSettings metric;
    SectionResultRow area{"A", "A", ResultUnit::Area, 1000, 1};
    EXPECT_EQ(ResultValueText(metric, area), "1000");
    // The mass inertias keep small values that the free format would show as 0.
    SectionResultRow inertia{"J", "Js", ResultUnit::MassInertia, 9e-6L, 4};
    EXPECT_EQ(ResultValueText(metric, inertia), "9E-6");
    inertia.value = 5e-13L;
    EXPECT_EQ(ResultValueText(metric, inertia), "0");
    SectionResultRow mass{"m", "m", ResultUnit::Mass, 9e-6L, 4};
    EXPECT_EQ(ResultValueText(metric, mass), "0");

    // In English units 645.16 mm² are one square inch and 416231.4256 mm4 one in^4.
    OutputSettings english;
    english.unitSystem = 1;
    area.value = 645.16L;
    EXPECT_EQ(ResultValueText(english, area), "1");
    SectionResultRow second{"I", "Iy", ResultUnit::SecondMoment, 2 * 416231.4256L, 1};
    EXPECT_EQ(ResultValueText(english, second), "2");
    EXPECT_EQ(ResultUnitText(english, ResultUnit::Mass), "kg");
    EXPECT_NE(ResultUnitText(english, ResultUnit::Area), ResultUnitText(metric, ResultUnit::Area));
}

}  // namespace
}  // namespace bxr
