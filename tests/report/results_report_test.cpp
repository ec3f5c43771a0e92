// The report's blocks, conditions and line layouts. The results are put in by hand for a
// simply supported beam of 1000 mm with 1000 N in the middle (reactions 500 N each, largest
// moment F·L/4 = 250 N·m), so that every expected text can be worked out on paper.
#include "report/results_report.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "format/code_page.h"
#include "sections/compute_section.h"
#include "support/output_test_support.h"
#include "support/scripted_ui.h"

namespace bxr {
namespace {

using test::Lines;

struct ReportSetup {
    std::string folder = test::MakeTempFolder();
    Workspace ws;
    ChannelEnvironment env;

    ReportSetup() {
        env.settings.tempFolder = folder;
        env.settings.lineStyle = 1;
        env.settings.defaultDestination = kDosFile;
        env.outputFolder = folder;
        env.today = [] { return std::string("08.12.2026"); };
        env.now = [] { return std::string("9:05"); };
        env.projectName = "balken";
        BeamModel& m = ws.model;
        m.length = 1000;
        m.segmentCount = 100;
        m.contourCount = 4;
        m.contour[1] = {0, 0, 0};
        m.contour[2] = {20, 0, 0};
        m.contour[3] = {20, 40, 0};
        m.contour[4] = {0, 40, 0};
        m.supportType = kTwoHinges;
        m.supportX = {0, 1000, 0, 0, 0};
        m.pointLoadCount = 1;
        m.pointLoads[1] = {1000, 500, 90, "F1"};
        ws.section.massLength = 1000;
        ComputeSectionProperties(ws);
        m.auxLoadsAppended = true;  // the results below stand for this model
        ws.currentName = "balken";
        AnalysisResults& r = ws.results;
        r.stations.n = 100;
        for (int k = 0; k <= 100; ++k) r.stations[k].x = k * 10;
        r.reactions.Rz = {500, 500, 0, 0, 0};
        Station& mid = r.stations[50];
        mid.Mb = mid.Mb_xz = 250000;
        mid.phiMb = 90;
        mid.w = mid.w_xz = 0.93;
        mid.phiW = 90;
        mid.sigB = 46.875;
        mid.phiSigB = 90;
        mid.sigV = 46.875;
        mid.phiSigV = 90;
        r.stations[0].slope = 0.0025;  // rad: 0.143 degrees
        r.stations[0].phiSlope = 90;
        r.extremes.pointMb = r.extremes.pointW = r.extremes.pointSigB = r.extremes.pointSigV = 50;
        r.extremes.pointSlope = 0;
    }

    std::vector<std::string> Report(int destination = kDosFile) {
        OutputChannel out(env);
        EXPECT_EQ(WriteResultsReport(ws, out, destination), ReportOutcome::Written);
        return Lines(test::Slurp(out.resultPath()));
    }
};

std::string M(const std::string& utf8) {
    return "       " + Utf8ToOem(utf8);
}

int IndexOf(const std::vector<std::string>& lines, const std::string& line) {
    auto it = std::find(lines.begin(), lines.end(), line);
    return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}

bool Contains(const std::vector<std::string>& lines, const std::string& part) {
    for (const auto& l : lines)
        if (l.find(part) != std::string::npos) return true;
    return false;
}

TEST(ResultsReport, BlocksComeInOrderAndEmptyLoadListsLeaveNoTrace) {
    ReportSetup s;
    auto lines = s.Report();
    const std::vector<std::string> order = {
        M("GEOMETRIE KONTUR"), M("ERGEBNISSE QUERSCHNITT"), M("ERGEBNISSE KÖRPER"),
        M("EINZELKRÄFTE"),     M("WERKSTOFFDATEN"),         M("LAGERUNG:  Fest-/Los-Lagerung"),
        M("EXTREMWERTE")};
    int last = -1;
    for (const auto& heading : order) {
        int at = IndexOf(lines, heading);
        EXPECT_GT(at, last) << heading;
        last = at;
    }
    // The stress table starts a new printer page.
    EXPECT_GE(IndexOf(lines, "\f" + M("SPANNUNGEN (Kerbwirkung und Oberflächeneinfluß nicht "
                                      "berücksichtigt)")),
              0);
    for (const char* absent : {"STRECKENLASTEN", "BIEGEMOMENTE", "AXIALKR", "ZONEN MIT",
                               "SICHERHEIT", "BEMERKUNGEN", "Eulersche"})
        EXPECT_FALSE(Contains(lines, absent)) << absent;
    // The first page starts with the boxed header of the report heading.
    EXPECT_EQ(lines[0], M(std::string(70, '*')));
    EXPECT_NE(lines[1].find("BXR V3.1  -  Tr"), std::string::npos);
}

TEST(ResultsReport, SectionValuesOfA20By40RectangleAppearInParameterLines) {
    ReportSetup s;
    auto lines = s.Report();
    // A = 20·40 = 800 mm², I about the horizontal axis = 20·40³/12 = 106667 mm4.
    bool found = false;
    for (const auto& l : lines)
        if (l.rfind(M("Querschnittsfläche"), 0) == 0) {
            found = true;
            EXPECT_EQ(l.substr(7 + 34, 1), "A");
            EXPECT_NE(l.find("800"), std::string::npos) << l;
        }
    EXPECT_TRUE(found);
    bool inertia = false;
    for (const auto& l : lines)
        if (l.find("IyS") != std::string::npos) inertia = l.find("106667") != std::string::npos;
    EXPECT_TRUE(inertia);
}

TEST(ResultsReport, ReactionLinesGiveResultantDirectionAndComponents) {
    ReportSetup s;
    // Support B pushed back and up: Fy = -300, Fz = 400 -> 500 N at atan(400/-300) + 180°.
    s.ws.results.reactions.Ry = {0, -300, 0, 0, 0};
    s.ws.results.reactions.Rz = {500, 400, 0, 0, 0};
    auto lines = s.Report();
    EXPECT_GE(IndexOf(lines, M("   Radialkraft FrA : 500 N    Wirkrichtung zur xy-Ebene:  90.0 °")),
              0);
    EXPECT_GE(IndexOf(lines, M("   Radialkraft FrAy : 0 N      FrAz : 500 N")), 0);
    EXPECT_GE(IndexOf(lines, M("   Radialkraft FrB : 500 N    Wirkrichtung zur xy-Ebene: 126.9 °")),
              0);
    EXPECT_GE(IndexOf(lines, M("   Radialkraft FrBy : -300 N      FrBz : 400 N")), 0);
    // The slope at A: 0.0025 rad = 0.1432°.
    EXPECT_GE(IndexOf(lines, M("   Biegewinkel w1A : 0.143° Wirkrichtung zur xy-Ebene:  90.0 °")),
              0);
    EXPECT_GE(IndexOf(lines, M("A. Festes Gelenklager bei xA = 0")), 0);
    EXPECT_GE(IndexOf(lines, M("B. Verschiebliches Gelenklager bei xB = 1000")), 0);
}

TEST(ResultsReport, ExtremeRowsShowValueRangeAndAngle) {
    ReportSetup s;
    auto lines = s.Report();
    // Station 50 of 100 on 1000 mm: x = 500, the range 495..505.
    const std::string moment = "Max. Biegemoment" + std::string(6, ' ') + "250 Nm" +
                               std::string(8, ' ') + "495..505" + std::string(10, ' ') + "90.0 °" +
                               std::string(6, ' ') + " ";
    EXPECT_GE(IndexOf(lines, M(moment)), 0);
    EXPECT_TRUE(Contains(lines, "Max. Durchbiegung     0.93 mm"));
    EXPECT_TRUE(Contains(lines, "Max. Biegespannung      47 MPa"));
    EXPECT_FALSE(Contains(lines, "Durchbiegung aus Fax"));
}

TEST(ResultsReport, AppendedSupportForcesAreLeftOutOnlyWhileTheyAreThere) {
    ReportSetup s;
    s.ws.model.supportType = kFourHinges;
    s.ws.model.supportX = {0, 1000, 300, 600, 0};
    s.ws.model.pointLoadCount = 5;  // one force of the user, the forces of C and D appended
    for (int i = 2; i <= 5; ++i) s.ws.model.pointLoads[i] = {100, 300, 0, "C/D"};
    auto lines = s.Report();
    EXPECT_TRUE(Contains(lines, "F1"));
    EXPECT_FALSE(Contains(lines, "C/D"));
    EXPECT_TRUE(Contains(lines, "(4 Lagerstellen)"));
    EXPECT_GE(IndexOf(lines, M("D. Verschiebliches Gelenklager bei xD = 600")), 0);

    // Without a calculation behind them the same entries are the user's and are listed.
    ReportSetup echo;
    echo.ws.model = s.ws.model;
    echo.ws.model.auxLoadsAppended = false;
    OutputChannel out(echo.env);
    ASSERT_EQ(WriteInputEcho(echo.ws, out, kDosFile), ReportOutcome::Written);
    auto echoed = Lines(test::Slurp(out.resultPath()));
    EXPECT_TRUE(Contains(echoed, "C/D"));
    EXPECT_GE(IndexOf(echoed, M("Kräfte         :5")), 0);
    EXPECT_TRUE(out.PageHeaders());  // switched on again
}

TEST(ResultsReport, EnglishUnitsInEveryHeaderButTheDensityKeepsItsText) {
    ReportSetup s;
    s.ws.config.output.unitSystem = 1;
    s.env.format = s.ws.config.output;
    auto lines = s.Report();
    EXPECT_TRUE(Contains(lines, "    F [lbf]"));
    EXPECT_TRUE(Contains(lines, "   x [in]"));
    EXPECT_TRUE(Contains(lines, "kg/cdm"));
    EXPECT_TRUE(Contains(lines, " lbfin"));
    EXPECT_TRUE(Contains(lines, " psi"));
    // 1000 N = 224.8 lbf.
    EXPECT_TRUE(Contains(lines, "224.8"));
}

TEST(ResultsReport, CompressedStyleHasNoRuleLines) {
    ReportSetup s;
    s.env.settings.lineStyle = 4;
    auto lines = s.Report();
    for (const auto& l : lines) {
        EXPECT_EQ(l.find("$!$"), std::string::npos);
        EXPECT_EQ(l.find("-----"), std::string::npos) << l;
        EXPECT_EQ(l.find("====="), std::string::npos) << l;
    }
}

TEST(ResultsReport, HtmlTablesAreBorderedAndHeadingsCarryLineBreaks) {
    ReportSetup s;
    auto lines = s.Report(kHtml);
    EXPECT_TRUE(Contains(lines, "<TABLE BORDER = \"1\" WIDTH= \"100%\">"));
    EXPECT_TRUE(Contains(lines, "<TABLE BORDER = \"2\" WIDTH= \"100%\">"));
    EXPECT_GE(IndexOf(lines, "<br>EXTREMWERTE"), 0);
    EXPECT_GE(
        IndexOf(lines, "<br>SPANNUNGEN (Kerbwirkung und Oberflächeneinfluß nicht berücksichtigt)"),
        0);
    EXPECT_FALSE(Contains(lines, "-----"));
    EXPECT_EQ(lines.back(), "</HTML>");
}

TEST(ResultsReport, AFatalCalculationWritesNothing) {
    ReportSetup s;
    s.ws.model.auxLoadsAppended = false;
    ReportSources sources;
    sources.calculate = [](Workspace& ws) { ws.messages.AddFatal("Fatal  : A = 0 !"); };
    OutputChannel out(s.env);
    EXPECT_EQ(WriteResultsReport(s.ws, out, kDosFile, sources), ReportOutcome::FatalMessages);
    EXPECT_FALSE(out.IsOpen());
    EXPECT_EQ(test::Slurp(s.folder + "OUTDOS.TXT"), "");
}

TEST(ResultsReport, MessagesFollowOnANewPageWithCauseAndRemedy) {
    ReportSetup s;
    s.ws.messages.Add("Warnung: Knickung !");
    auto d = ErrorDescriptions::Parse("Warnung: Knickung !\r\nknickt\r\nsteifer machen\r\n");
    ReportSources sources;
    sources.descriptions = &d;
    OutputChannel out(s.env);
    ASSERT_EQ(WriteResultsReport(s.ws, out, kDosFile, sources), ReportOutcome::Written);
    auto lines = Lines(test::Slurp(out.resultPath()));
    int heading = IndexOf(lines, M("BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN"));
    ASSERT_GT(heading, 0);
    int page2 = -1;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i)
        if (lines[static_cast<std::size_t>(i)].find("Bl. 2") != std::string::npos) page2 = i;
    EXPECT_GT(page2, 0);
    EXPECT_LT(page2, heading);
    EXPECT_GE(IndexOf(lines, M("knickt")), 0);
    EXPECT_GE(IndexOf(lines, M("steifer machen")), 0);
}

TEST(ResultsReport, SafetyHeadingOnlyWithBendingFactors) {
    ReportSetup s;
    s.ws.results.safety.Sw = 2.5;
    auto lines = s.Report();
    EXPECT_FALSE(Contains(lines, "SICHERHEIT"));
    EXPECT_TRUE(Contains(lines, "Zug-/Druckspannung wechselnd"));
    s.ws.results.safety.Sbw = 1.25;
    lines = s.Report();
    EXPECT_TRUE(Contains(lines, "SICHERHEIT"));
    EXPECT_TRUE(Contains(lines, "1.25"));
}

TEST(PositionReport, ReportsTheNearestStation) {
    ReportSetup s;
    test::ScriptedUi ui({std::string("2000"), std::string("503")});
    s.ws.ui = &ui;
    OutputChannel out(s.env);
    ASSERT_EQ(WritePositionReport(s.ws, out, kDosFile), ReportOutcome::Written);
    EXPECT_EQ(ui.shown.at(0), "x-Koordinate [mm]");
    EXPECT_EQ(ui.messages.size(), 1u);  // 2000 is beyond the beam
    auto lines = Lines(test::Slurp(out.resultPath()));
    // 503 mm is nearest to station 50 at 500 mm.
    EXPECT_GE(IndexOf(lines, M("Daten für Position x = 503 mm   (495 .. 505)")), 0);
    EXPECT_GE(IndexOf(lines, M("Biegemoment : 250 Nm bei phi = 90 ° von xy-Ebene")), 0);
    EXPECT_GE(IndexOf(lines, M("Biegemoment : xy = 0 Nm     xz = 250 Nm")), 0);
}

}  // namespace
}  // namespace bxr
