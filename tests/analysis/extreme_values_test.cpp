#include "analysis/extreme_values.h"

#include <gtest/gtest.h>

#include "analysis/run_analysis.h"
#include "beam_fixture.h"
#include "workspace/workspace.h"
#include "format/code_page.h"

namespace bxr {
namespace {

// A 1000 mm beam on two hinges, 1000 segments (point k at x = k mm), with results set by hand:
// largest moment 250 N·m at 500 mm, slope 0.01 rad at the left end, deflection 0.1378 mm,
// bending stress 10.4167 N/mm², tension 2.5 N/mm² at 200 mm, equivalent 12.9167 N/mm².
std::unique_ptr<Workspace> HandResults() {
    auto ws = std::make_unique<Workspace>();
    BeamModel& m = ws->model;
    m.length = 1000;
    m.segmentCount = 1000;
    m.supportType = kTwoHinges;
    m.supportX = {0, 1000, 0, 0, 0};
    m.auxLoadsAppended = true;
    AnalysisResults& r = ws->results;
    r.stations.n = 1000;
    ExtremeValues& e = r.extremes;
    e.pointMb = e.pointW = e.pointSigB = e.pointSigV = 500;
    e.pointSlope = 0;
    e.pointSigZ = 200;
    Station& mid = r.stations[500];
    mid.Mb = 250000;
    mid.phiMb = 90;
    mid.w = 0.1378L;
    mid.phiW = -90;
    mid.sigB = 10.4167L;
    mid.phiSigB = 45;
    mid.sigV = 12.9167L;
    mid.phiSigV = 45;
    r.stations[0].slope = 0.01L;
    r.stations[0].phiSlope = 180;
    r.stations[200].sigZ = 2.5L;
    r.reactions.R = {500, 700, 0, 0, 0};
    return ws;
}

std::vector<std::string> Titles(const std::vector<ExtremeRow>& rows) {
    std::vector<std::string> t;
    for (const auto& r : rows) t.push_back(r.title);
    return t;
}

TEST(ExtremeRows, MetricRowsCarryValueUnitPositionAndAngle) {
    auto ws = HandResults();
    const auto rows = ExtremeRows(*ws);
    ASSERT_EQ(Titles(rows), (std::vector<std::string>{"Max. Biegemoment", "Max. Biegewinkel",
                                                      "Max. Durchbiegung", "Max. Biegespannung",
                                                      "Max. Zugspannung", "Max.Vergl.spannung"}));
    const std::string deg = "°"_oem;
    EXPECT_EQ(rows[0].text, "250 Nm  (x= 500, phi= 90" + deg + ")");
    EXPECT_NEAR(double(rows[0].value), 250.0, 1e-12);
    // 0.01 rad = 0.5729578°.
    EXPECT_EQ(rows[1].text, "0.573 " + deg + "  (x= 0, phi= 180" + deg + ")");
    // Three significant digits below 1.
    EXPECT_EQ(rows[2].text, "0.138 mm  (x= 500, phi= -90" + deg + ")");
    // Stresses as a whole-number field 4 wide.
    EXPECT_EQ(rows[3].text, "  10 MPa  (x= 500, phi= 45" + deg + ")");
    EXPECT_EQ(rows[4].text, "   3 MPa  (x= 200)");  // 2.5 -> 3, no angle
    EXPECT_FALSE(rows[4].hasAngle);
    EXPECT_EQ(rows[4].point, 200);
    EXPECT_EQ(rows[5].text, "  13 MPa  (x= 500, phi= 45" + deg + ")");
}

TEST(ExtremeRows, EnglishUnitsConvertValuesAndPositions) {
    auto ws = HandResults();
    ws->config.output.unitSystem = 1;
    const auto rows = ExtremeRows(*ws);
    // 250 N·m / 0.112984788 = 2212.69 lbf·in; 500 mm / 25.4 = 19.68504 in.
    EXPECT_NEAR(double(rows[0].value), 2212.69, 0.01);
    EXPECT_EQ(rows[0].valueText, "2213");
    EXPECT_EQ(rows[0].unitText, "lbfin");
    EXPECT_EQ(rows[0].positionText, "19.6850");
    EXPECT_NEAR(double(rows[0].position), 19.68504, 1e-5);
    // 0.1378 mm = 0.0054252 in, four decimals.
    EXPECT_EQ(rows[2].valueText, "0.0054");
    // 10.4167 N/mm² = 1510.81 psi in a field 6 wide without decimals.
    EXPECT_EQ(rows[3].valueText, "  1511");
    EXPECT_EQ(rows[3].unitText, "psi");
    // The slope stays in degrees.
    EXPECT_EQ(rows[1].valueText, "0.573");
}

TEST(ExtremeRows, AxialDeflectionRowOnlyForTwoHingesWithAxialForcesAndVisibleValue) {
    auto ws = HandResults();
    BeamModel& m = ws->model;
    ws->results.buckling.wFax = -0.0123L;
    EXPECT_EQ(ExtremeRows(*ws).size(), 6u);  // no axial force yet
    m.axialLoadCount = 1;
    auto rows = ExtremeRows(*ws);
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[3].title, "Durchbiegung aus Fax");
    EXPECT_EQ(rows[3].text, "-0.0123 mm");  // value and unit only
    EXPECT_FALSE(rows[3].hasPoint);
    ws->results.buckling.wFax = 0.001L;  // not above the threshold
    EXPECT_EQ(ExtremeRows(*ws).size(), 6u);
    ws->results.buckling.wFax = 0.0011L;
    EXPECT_EQ(ExtremeRows(*ws).size(), 7u);
    for (std::uint16_t type : {kFixedClamp, kAngularContactPair, kThreeHinges, kFiveHinges}) {
        m.supportType = type;
        EXPECT_EQ(ExtremeRows(*ws).size(), 6u) << type;
    }
}

TEST(ExtremeRows, FrequencyRowOnlyWithDunkerleyInPerMinuteAndHertz) {
    auto ws = HandResults();
    ws->results.frequency = 41.25L;
    EXPECT_EQ(ExtremeRows(*ws).size(), 6u);
    ws->model.dunkerleyOn = true;
    const auto rows = ExtremeRows(*ws);
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows.back().title, "Resonanzfrequenz");
    EXPECT_EQ(rows.back().text, " 2475/min  (41.25 Hz)");  // 60 · 41.25 = 2475
}

TEST(ExtremeRows, PointOutsideTheTableReadsTheLastStation) {
    auto ws = HandResults();
    ws->results.extremes.pointMb = 5000;  // damaged results
    ws->results.stations[kMaxStations - 1].Mb = 1000;
    const auto rows = ExtremeRows(*ws);
    EXPECT_EQ(rows[0].valueText, "1");        // 1000 N·mm
    EXPECT_EQ(rows[0].positionText, "1000");  // the position is limited to the beam
}

TEST(SupportRows, FixedClampShowsShearAxialAndMoment) {
    auto ws = HandResults();
    ws->model.supportType = kFixedClamp;
    ws->results.reactions.Ffix = 1234.6L;
    ws->results.reactions.FxFix = -80;
    ws->results.reactions.Mfix = 300000;  // N·mm
    const auto rows = SupportRows(*ws);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].label, "Fq");
    EXPECT_EQ(rows[0].text, "1235 N");
    EXPECT_EQ(rows[1].label, "Fx");
    EXPECT_EQ(rows[1].text, "-80 N");
    EXPECT_EQ(rows[2].label, "Mb");
    EXPECT_EQ(rows[2].text, "300 Nm");
}

TEST(SupportRows, HingesOneRowPerSupportWithPosition) {
    auto ws = HandResults();
    auto rows = SupportRows(*ws);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].label, "FA (x=0)");
    EXPECT_EQ(rows[0].text, "500 N");
    EXPECT_EQ(rows[1].label, "FB (x=1000)");
    EXPECT_EQ(rows[1].text, "700 N");

    ws->model.supportType = kAngularContactPair;
    EXPECT_EQ(SupportRows(*ws).size(), 2u);

    ws->model.supportType = kFiveHinges;
    ws->model.supportX = {0, 1000, 250, 500, 750.5L};
    ws->results.reactions.R = {100, 200, 300, 400, 500};
    rows = SupportRows(*ws);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[2].label, "FC (x=250)");
    EXPECT_EQ(rows[3].label, "FD (x=500)");
    EXPECT_EQ(rows[4].label, "FE (x=750.5)");
    EXPECT_EQ(rows[4].text, "500 N");
    ws->model.supportType = kFourHinges;
    EXPECT_EQ(SupportRows(*ws).size(), 4u);

    // English: 500 N = 112.404 lbf, 1000 mm = 39.3701 in.
    ws->model.supportType = kTwoHinges;
    ws->results.reactions.R = {500, 700, 0, 0, 0};
    ws->config.output.unitSystem = 1;
    rows = SupportRows(*ws);
    EXPECT_EQ(rows[1].label, "FB (x=39.3701)");
    EXPECT_EQ(rows[0].text, "112.4 lbf");
}

TEST(QuickSummary, HeaderAndMessages) {
    auto ws = HandResults();
    ws->model.drawingName = "Welle     ";
    ws->model.drawingNumber = "4711";
    ws->messages.Add("Warnung: S w < 1 (0.8)");
    const QuickSummary q = BuildQuickSummary(*ws);
    EXPECT_EQ(q.header, "4711  Welle");
    EXPECT_EQ(q.messages, std::vector<std::string>{"Warnung: S w < 1 (0.8)"});
    EXPECT_EQ(q.extremes.size(), 6u);
    EXPECT_EQ(q.supports.size(), 2u);
}

// A stand-in for the calculation that counts its runs and does what the test asks.
struct FakeRun {
    int runs = 0;
    bool fatal = false;
    bool stop = false;
    AnalysisRunner Runner() {
        return [this](CalcState& ws) {
            ++runs;
            ws.messages.Clear();
            if (fatal) {
                ws.messages.AddFatal("Fatal  : A = 0 !");
                ws.abortFlag = true;
                return;
            }
            if (stop) {
                ws.abortFlag = true;
                return;
            }
            ws.model.auxLoadsAppended = true;
        };
    }
};

TEST(PrepareExtremes, CalculatesOnlyWhenResultsAreNotCurrent) {
    auto ws = HandResults();
    ws->model.auxLoadsAppended = false;  // the model changed since the last calculation
    FakeRun fake;
    EXPECT_EQ(PrepareExtremes(*ws, fake.Runner()).outcome, ExtremesOutcome::Page);
    EXPECT_EQ(fake.runs, 1);
    const ExtremesDisplay again = PrepareExtremes(*ws, fake.Runner());
    EXPECT_EQ(again.outcome, ExtremesOutcome::Page);
    EXPECT_EQ(fake.runs, 1);  // no change, no new calculation
    EXPECT_EQ(again.page.extremes.size(), 6u);
}

TEST(PrepareExtremes, FatalShowsMessagesOnlyAndStopShowsNothing) {
    auto ws = HandResults();
    FakeRun fake;
    // Current results of a calculation that failed: the messages, no new calculation.
    ws->messages.AddFatal("Fatal  : I = 0 !");
    EXPECT_EQ(PrepareExtremes(*ws, fake.Runner()).outcome, ExtremesOutcome::MessagesOnly);
    EXPECT_EQ(fake.runs, 0);

    // A new calculation that fails: its messages, although it also set the stop flag.
    ws->model.auxLoadsAppended = false;
    fake.fatal = true;
    EXPECT_EQ(PrepareExtremes(*ws, fake.Runner()).outcome, ExtremesOutcome::MessagesOnly);
    EXPECT_EQ(fake.runs, 1);

    fake.fatal = false;
    fake.stop = true;
    EXPECT_EQ(PrepareExtremes(*ws, fake.Runner()).outcome, ExtremesOutcome::Stopped);

    // A stop flag left from an earlier command does not stop a calculation that succeeds.
    fake.stop = false;
    ws->abortFlag = true;
    EXPECT_EQ(PrepareExtremes(*ws, fake.Runner()).outcome, ExtremesOutcome::Page);
    EXPECT_FALSE(ws->abortFlag);
}

TEST(PrepareExtremes, SimplySupportedBeamUnderCentreForce) {
    // F = 1000 N at the middle of L = 1000 mm: M = FL/4 = 250 N·m, R = F/2 = 500 N,
    // w = FL³/(48EI) = 1e12 / (48 · 210000 · 720000) = 0.13779 mm, σ = M·30/I = 10.417 N/mm².
    auto ws = test::RectangleBeam(1000, kTwoHinges);
    test::AddPointLoad(ws->model, 1000, 500, 0);
    const ExtremesDisplay d = PrepareExtremes(*ws);
    ASSERT_EQ(d.outcome, ExtremesOutcome::Page);
    ASSERT_GE(d.page.extremes.size(), 6u);
    EXPECT_NEAR(double(d.page.extremes[0].value), 250.0, 0.5);
    EXPECT_EQ(d.page.extremes[0].positionText, "500");
    EXPECT_NEAR(double(d.page.extremes[2].value), 0.13779, 0.13779 * 0.01);
    EXPECT_NEAR(double(d.page.extremes[3].value), 10.417, 0.05);
    ASSERT_EQ(d.page.supports.size(), 2u);
    EXPECT_NEAR(double(d.page.supports[0].value), 500, 0.5);
    EXPECT_NEAR(double(d.page.supports[1].value), 500, 0.5);
    EXPECT_TRUE(ws->model.auxLoadsAppended);
}

}  // namespace
}  // namespace bxr
