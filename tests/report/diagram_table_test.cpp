#include "report/diagram_table.h"

#include <gtest/gtest.h>

#include <numbers>

#include "format/code_page.h"

namespace bxr {
namespace {

// Stand-in for the analysis' station record: the same field names.
struct TestStation {
    Real x = 0;
    Real phiSigB = 0, phiSigV = 0, sigZ = 0;
    Real Fq_xy = 0, Fq_xz = 0, Mb_xy = 0, Mb_xz = 0;
    Real sigB_xy = 0, sigB_xz = 0, sigB = 0;
    Real slope_xy = 0, slope_xz = 0, w_xy = 0, w_xz = 0;
    Real sigV_xy = 0, sigV_xz = 0, sigV = 0;
};

TEST(DiagramTableSamplesTest, CountEqualToSegmentsListsEveryStation) {
    const auto samples = DiagramTableSamples(1200, 60, 60);
    ASSERT_EQ(samples.size(), 61u);
    for (int i = 0; i <= 60; ++i) {
        EXPECT_EQ(samples[i].station, i);
        EXPECT_NEAR(samples[i].x, 20.0L * i, 1e-12L);
    }
    EXPECT_EQ(samples.back().x, 1200);
}

TEST(DiagramTableSamplesTest, FewerPointsTakeTheNearestStations) {
    // L = 1000, N = 100, 40 points: x = 25 i lies at station 2.5 i; halves go to the even one.
    const auto samples = DiagramTableSamples(1000, 100, 40);
    ASSERT_EQ(samples.size(), 41u);
    EXPECT_EQ(samples[1].x, 25);
    EXPECT_EQ(samples[1].station, 2);  // 2.5
    EXPECT_EQ(samples[2].station, 5);
    EXPECT_EQ(samples[3].station, 8);   // 7.5
    EXPECT_EQ(samples[5].station, 12);  // 12.5
    EXPECT_EQ(samples[40].station, 100);
    // 3 points of a 1000 mm beam: a third does not add up to L exactly, the last row stays.
    const auto thirds = DiagramTableSamples(1000, 150, 3);
    ASSERT_EQ(thirds.size(), 4u);
    EXPECT_EQ(thirds[1].station, 50);
    EXPECT_EQ(thirds[3].x, 1000);
    EXPECT_EQ(thirds[3].station, 150);
}

TEST(DiagramTableSamplesTest, NoRowsForADegenerateBeam) {
    EXPECT_TRUE(DiagramTableSamples(0, 100, 50).empty());
    EXPECT_TRUE(DiagramTableSamples(1000, 0, 50).empty());
    EXPECT_TRUE(DiagramTableSamples(1000, 100, 0).empty());
    EXPECT_TRUE(DiagramTableSamples(-5, 100, 50).empty());
}

TEST(DiagramTableColumnsTest, FixedHeadersAndWidths) {
    const DiagramTableLayout forces = DiagramTableColumns(DiagramTableKind::Forces);
    EXPECT_EQ(forces.firstWidth, 8);
    EXPECT_EQ(forces.columnWidth, 8);
    EXPECT_EQ(forces.valueField, 7);
    ASSERT_EQ(forces.headers.size(), 9u);
    EXPECT_EQ(forces.headers[0], "x [mm]");
    EXPECT_EQ(forces.headers[3], "Mbxy Nm");
    EXPECT_EQ(forces.headers[8], "w'xz deg");

    const DiagramTableLayout plane = DiagramTableColumns(DiagramTableKind::PlaneStresses);
    EXPECT_EQ(plane.firstWidth, 9);
    EXPECT_EQ(plane.valueField, 8);
    ASSERT_EQ(plane.headers.size(), 6u);
    EXPECT_EQ(plane.headers[1], "Sig.bxy N/mm\xFD");

    const DiagramTableLayout resultant = DiagramTableColumns(DiagramTableKind::ResultantStresses);
    ASSERT_EQ(resultant.headers.size(), 6u);
    EXPECT_EQ(resultant.headers[2], "phi Sig.b \xF8");
    EXPECT_EQ(resultant.headers[5], "phi Sig.v");
    EXPECT_EQ(DiagramTableChoicePrompt(), "gew\x81nschte Tabelle w\x84hlen");
    EXPECT_EQ(DiagramTableChoices().size(), 3u);
}

TEST(DiagramTableRowsTest, ForcesInNewtonMetreAndDegrees) {
    TestStation st;
    st.Fq_xy = 1500.5L;  // half away from zero: 1501
    st.Fq_xz = -250;
    st.Mb_xy = 123456;    // N mm -> 123.456 N m -> 123.5
    st.Mb_xz = -2500000;  // -> -2500
    st.w_xy = -0.01234L;  // -0.0123
    st.w_xz = 0.5L;
    st.slope_xy = 0.25L * std::numbers::pi_v<Real> / 180;  // 0.25 degrees
    st.slope_xz = 0;
    const auto samples = DiagramTableSamples(1000, 50, 50);
    const auto rows =
        DiagramTableRows(OutputSettings{}, DiagramTableKind::Forces, samples,
                         [&](int) { return DiagramTableValues(st, DiagramTableKind::Forces); });
    ASSERT_EQ(rows.size(), 51u);
    EXPECT_EQ(rows[1],
              (std::vector<std::string>{"     20", "   1501", "   -250", "  123.5", "  -2500",
                                        "-0.0123", "    0.5", "   0.25", "      0"}));
    EXPECT_EQ(rows[0][0], "      0");
    EXPECT_EQ(rows[50][0], "   1000");
}

TEST(DiagramTableRowsTest, StressTablesReadTheirOwnColumns) {
    TestStation st;
    st.sigB_xy = 1, st.sigB_xz = 2, st.sigZ = 3, st.sigV_xy = 4, st.sigV_xz = 5;
    st.sigB = 6, st.phiSigB = 7, st.sigV = 8, st.phiSigV = 9;
    EXPECT_EQ(DiagramTableValues(st, DiagramTableKind::PlaneStresses),
              (std::vector<Real>{1, 2, 3, 4, 5}));
    EXPECT_EQ(DiagramTableValues(st, DiagramTableKind::ResultantStresses),
              (std::vector<Real>{6, 7, 3, 8, 9}));
}

TEST(DiagramTableRowsTest, ModelUnitsWhateverTheUnitSystemAndEachRowItsStation) {
    OutputSettings english;
    english.unitSystem = 1;
    const auto samples = DiagramTableSamples(500, 100, 50);  // station 2 i at x = 10 i
    const auto rows =
        DiagramTableRows(english, DiagramTableKind::PlaneStresses, samples, [](int station) {
            const Real s = station;
            return std::vector<Real>{s, -s, 0, 0, 0};
        });
    ASSERT_EQ(rows.size(), 51u);
    EXPECT_EQ(rows[7], (std::vector<std::string>{"      70", "      14", "     -14", "       0",
                                                 "       0", "       0"}));
    // The decimal separator setting still applies to every value.
    OutputSettings comma;
    comma.decimalSeparator = 2;
    const auto commaRows = DiagramTableRows(comma, DiagramTableKind::PlaneStresses, {{2.5L, 0}},
                                            [](int) { return std::vector<Real>{0.125L}; });
    EXPECT_EQ(commaRows[0], (std::vector<std::string>{"     2,5", "   0,125"}));
}

}  // namespace
}  // namespace bxr
