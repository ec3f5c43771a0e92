// The full report of the bundled examples, pinned by golden files in each output kind, and
// a simply supported beam whose report is checked against a hand calculation.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <regex>

#include "analysis/run_analysis.h"
#include "model/project_file.h"
#include "format/code_page.h"
#include "report/results_report.h"
#include "support/golden.h"
#include "support/output_test_support.h"

namespace bxr {
namespace {

struct Written {
    ReportOutcome outcome = ReportOutcome::Aborted;
    std::string bytes;
    std::string path;
};

ChannelEnvironment FixedEnvironment(Workspace& ws, const std::string& folder) {
    ChannelEnvironment env;
    env.abortFlag = &ws.abortFlag;
    env.format = ws.output();
    env.settings.tempFolder = folder;
    env.settings.lineStyle = 2;
    env.outputFolder = folder;
    env.projectFile = ws.currentName + ".bxr";
    env.projectName = ws.currentName;
    env.today = [] { return std::string("08.12.2026"); };
    env.now = [] { return std::string("9:05"); };
    return env;
}

Written Report(Workspace& ws, int destination, const ErrorDescriptions* descriptions = nullptr) {
    const std::string folder = test::MakeTempFolder();
    OutputChannel out(FixedEnvironment(ws, folder));
    ReportSources sources;
    sources.calculate = &RunAnalysis;
    sources.descriptions = descriptions;
    Written w;
    w.outcome = WriteResultsReport(ws, out, destination, sources);
    w.path = out.resultPath().empty() ? out.path() : out.resultPath();
    w.bytes = test::Slurp(w.path);
    return w;
}

bool LoadExample(const std::string& name, Workspace& ws) {
    auto bytes =
        DiskFileSystem().Read(std::string(BXR_SOURCE_DATA_DIR) + "/" + name + ".bxr", 1u << 24);
    if (!bytes) return false;
    if (!ReadProjectText(*bytes, ws.model, ws.documentation).Ok()) return false;
    ws.currentName = name;
    return true;
}

class ExampleReports : public ::testing::TestWithParam<const char*> {};

TEST_P(ExampleReports, MatchTheirGoldenFilesInPlainTabSeparatedAndHtml) {
    const std::string name = GetParam();
    auto descriptions =
        ErrorDescriptions::Load(DiskFileSystem(), std::string(BXR_SOURCE_DATA_DIR) + "/bxr.err");
    const std::pair<int, const char*> kinds[] = {
        {kDosFile, "txt"}, {kProjectTable, "tab"}, {kHtml, "htm"}};
    for (const auto& [destination, extension] : kinds) {
        Workspace ws;
        ASSERT_TRUE(LoadExample(name, ws)) << name;
        Written w = Report(ws, destination, &descriptions);
        ASSERT_EQ(w.outcome, ReportOutcome::Written) << name << " " << extension;
        // The HTML comment names the output file, which lies in a fresh folder each time.
        EXPECT_EQ(
            test::CompareWithGolden("integration/golden/report_" + name + "." + extension, w.bytes),
            "");
    }
}

TEST(ExampleReportsEnglish, GearShaftInInchesAndPoundsMatchesItsGoldenFile) {
    Workspace ws;
    ASSERT_TRUE(LoadExample("getriebewelle", ws));
    ws.config.output.unitSystem = 1;
    Written w = Report(ws, kDosFile);
    ASSERT_EQ(w.outcome, ReportOutcome::Written);
    EXPECT_EQ(
        test::CompareWithGolden("integration/golden/report_getriebewelle_english.txt", w.bytes),
        "");
}

// Both position columns (extreme values and stresses) are headed in the unit of the values
// below them, in every form of the report.
TEST(ExampleReportsEnglish, PositionColumnsAreHeadedInInchesInEveryForm) {
    for (int destination : {kDosFile, kProjectTable, kHtml}) {
        Workspace ws;
        ASSERT_TRUE(LoadExample("getriebewelle", ws));
        ws.config.output.unitSystem = 1;
        const Written w = Report(ws, destination);
        ASSERT_EQ(w.outcome, ReportOutcome::Written) << destination;
        EXPECT_EQ(w.bytes.find("x [mm]"), std::string::npos) << destination;
        std::size_t headings = 0;
        for (auto at = w.bytes.find("x [in]"); at != std::string::npos;
             at = w.bytes.find("x [in]", at + 1))
            ++headings;
        EXPECT_EQ(headings, 2u) << destination;
    }
}

INSTANTIATE_TEST_SUITE_P(Bundled, ExampleReports,
                         ::testing::Values("getriebewelle", "konsole", "durchlauftraeger",
                                           "stufenwelle", "stufenwelle_dreilager"));

// Rectangle 20 mm wide and 40 mm high, 1000 mm between two hinges, 1000 N at midspan acting
// in +z, steel E = 210000 N/mm².
Workspace SimplySupportedBeam() {
    Workspace ws;
    BeamModel& m = ws.model;
    m.length = 1000;
    m.segmentCount = 1000;
    m.contourCount = 4;
    m.contour[1] = {0, 0, 0};
    m.contour[2] = {20, 0, 0};
    m.contour[3] = {20, 40, 0};
    m.contour[4] = {0, 40, 0};
    m.supportType = kTwoHinges;
    m.supportX = {0, 1000, 0, 0, 0};
    m.pointLoadCount = 1;
    m.pointLoads[1] = {1000, 500, 90, "F"};
    m.bucklingOn = false;
    ws.currentName = "balken";
    return ws;
}

std::string Utf8Line(const std::string& bytes, const std::string& start) {
    std::string text = OemToDisplayLong(OutputSettings{}, bytes);
    std::size_t at = text.find(start);
    if (at == std::string::npos) return {};
    return text.substr(at, text.find('\n', at) - at);
}

TEST(HandCalculatedBeam, ReactionsMomentDeflectionAndStressInTheReport) {
    Workspace ws = SimplySupportedBeam();
    Written w = Report(ws, kDosFile);
    ASSERT_EQ(w.outcome, ReportOutcome::Written);
    // Reactions: F/2 = 500 N at each hinge, acting against the load (direction -90 or 90).
    EXPECT_NE(Utf8Line(w.bytes, "Radialkraft FrA : ").find(": 500 N"), std::string::npos)
        << Utf8Line(w.bytes, "Radialkraft FrA : ");
    EXPECT_NE(Utf8Line(w.bytes, "Radialkraft FrB : ").find(": 500 N"), std::string::npos);
    // Largest moment F·L/4 = 1000·1000/4 N·mm = 250 N·m at x = 500.
    const std::string moment = Utf8Line(w.bytes, "Max. Biegemoment");
    EXPECT_NE(moment.find("250 Nm"), std::string::npos) << moment;
    EXPECT_NE(moment.find("499.5..500.5"), std::string::npos) << moment;
    // I = 20·40³/12 = 106666.7 mm4; w = F·L³/(48·E·I) = 1e12/(48·210000·106666.7) = 0.930 mm.
    const std::string deflection = Utf8Line(w.bytes, "Max. Durchbiegung");
    // The report prints three digits; the calculation integrates over 1000 segments, so the
    // value may differ from the closed form by the discretisation, well below 1 %.
    const Real printed =
        std::strtold(deflection.c_str() + std::string("Max. Durchbiegung").size(), nullptr);
    EXPECT_NEAR(printed, 0.9301, 0.009) << deflection;
    EXPECT_NE(deflection.find(" mm "), std::string::npos) << deflection;
    // Bending stress M/W with W = I/20 = 5333.3 mm³: 250000/5333.3 = 46.9 N/mm².
    const std::string stress = Utf8Line(w.bytes, "Max. Biegespannung");
    EXPECT_NE(stress.find(" 47 MPa"), std::string::npos) << stress;
    // The section: A = 800 mm².
    EXPECT_NE(Utf8Line(w.bytes, "Querschnittsfläche").find("800"), std::string::npos);
}

int RunShell(const std::string& command) {
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(HtmlReport, LoadsInAHeadlessBrowserWithItsTables) {
    if (RunShell("command -v chromium >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "chromium is not installed (scripts/install-deps installs it)";
    Workspace ws;
    ASSERT_TRUE(LoadExample("getriebewelle", ws));
    Written w = Report(ws, kHtml);
    ASSERT_EQ(w.outcome, ReportOutcome::Written);
    const std::string folder = test::MakeTempFolder();
    const std::string dom = folder + "dom.html";
    const std::string log = folder + "log.txt";
    int rc = RunShell(
        "timeout 120 chromium --headless --no-sandbox --disable-gpu "
        "--user-data-dir=" +
        folder + "profile --dump-dom 'file://" + w.path + "' >" + dom + " 2>" + log);
    ASSERT_EQ(rc, 0) << test::Slurp(log);
    const std::string parsed = test::Slurp(dom);
    // Every table of the file is a table of the document, each with its border.
    auto count = [](const std::string& s, const std::regex& re) {
        return std::distance(std::sregex_iterator(s.begin(), s.end(), re), std::sregex_iterator());
    };
    const std::regex tableTag("<table", std::regex::icase);
    EXPECT_EQ(count(parsed, tableTag), count(w.bytes, tableTag));
    EXPECT_GT(count(parsed, tableTag), 3);
    EXPECT_EQ(count(parsed, std::regex("<table border=\"[12]\"", std::regex::icase)),
              count(parsed, tableTag));
    EXPECT_NE(parsed.find("EXTREMWERTE"), std::string::npos);
    EXPECT_NE(parsed.find("Querschnittsfläche"), std::string::npos);
    EXPECT_EQ(parsed.find("───"), std::string::npos);  // no rule lines
    EXPECT_EQ(parsed.find("ÃƒÂ"), std::string::npos);  // no doubly converted characters
}

}  // namespace
}  // namespace bxr
