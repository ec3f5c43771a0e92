// Runs the built program as a user would from a shell: the usage screen, the batch report,
// and every way a batch run can fail.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <string>

#include "config/config_file.h"
#include "model/project_file.h"
#include "support/fake_catalog_tables.h"
#include "support/golden.h"
#include "support/output_test_support.h"
#include "support/program_runs.h"
#include "support/sample_projects.h"

namespace bxr {
namespace {

using test::Has;
using test::LineCount;

std::string WriteProject(const std::string& folder, const std::string& name,
                         const test::SampleProject& p) {
    const std::string path = folder + name;
    test::WriteFile(path, ProjectFileText(p.model, p.doc, OutputSettings{}));
    return path;
}

TEST(BatchUsage, QuestionMarkFormsShowTheUsageScreenAndSucceed) {
    for (const char* form : {"?", "/?"}) {
        test::ProgramRun r = test::RunIn(test::MakeTempFolder(), {form});
        EXPECT_EQ(r.exitCode, 0) << form;
        EXPECT_EQ(LineCount(r.out), 26) << form;
        EXPECT_EQ(r.out.rfind("BXR Command Line Mode\n", 0), 0u) << form;
        EXPECT_NE(r.out.find("Example: wbxr test.bxr /I /NOGUI   ->  test.txt"), std::string::npos);
    }
}

TEST(BatchReport, WritesTheReportNamedAfterTheProjectIntoTheCurrentFolder) {
    const std::string projects = test::MakeTempFolder();
    const std::string work = test::MakeTempFolder();
    const std::string project = WriteProject(projects, "welle.bxr", test::GearShaft());
    test::ProgramRun r = test::RunIn(work, {project, "/I", "/NOGUI"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string report = test::Slurp(work + "welle.txt");
    EXPECT_NE(report.find("ERGEBNISSE QUERSCHNITT"), std::string::npos);
    // The delivered copy is UTF-8 for the programs of this system.
    EXPECT_NE(report.find("Querschnittsfläche"), std::string::npos);
    EXPECT_NE(report.find("WERKSTOFFDATEN"), std::string::npos);
    // Lower-case "/i" is the same form.
    test::ProgramRun lower = test::RunIn(work, {project, "/i"});
    EXPECT_EQ(lower.exitCode, 0) << lower.err;
}

TEST(BatchReport, InEnglishUnitsThePositionColumnsAreHeadedInInches) {
    const std::string work = test::MakeTempFolder();
    WriteProject(work, "welle.bxr", test::GearShaft());
    Configuration english;
    english.output.unitSystem = 1;
    test::WriteFile(work + "bxr.cfg", ConfigurationText(english));
    test::ProgramRun r = test::RunIn(work, {"welle.bxr", "/I", "/NOGUI"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string report = test::Slurp(work + "welle.txt");
    EXPECT_EQ(report.find("x [mm]"), std::string::npos);
    const std::size_t extremes = report.find("x [in]");
    ASSERT_NE(extremes, std::string::npos);
    EXPECT_NE(report.find("x [in]", extremes + 1), std::string::npos);  // the stress table
}

TEST(BatchReport, MissingUnreadableOrDamagedProjectsFailWithOneLineOnStandardError) {
    const std::string work = test::MakeTempFolder();
    test::WriteFile(work + "kaputt.bxr", "Das ist keine Projektdatei\r\n");
    test::WriteFile(work + "leer.bxr", "");
    for (const char* name : {"fehlt.bxr", "kaputt.bxr", "leer.bxr"}) {
        test::ProgramRun r = test::RunIn(work, {name, "/I", "/NOGUI"});
        EXPECT_EQ(r.exitCode, 1) << name;
        EXPECT_EQ(LineCount(r.err), 1) << name << ": " << r.err;
        EXPECT_EQ(r.out, "") << name;
    }
    EXPECT_FALSE(test::Slurp(work + "kaputt.txt").size() > 0);
    EXPECT_FALSE(test::Slurp(work + "leer.txt").size() > 0);
}

TEST(BatchReport, AFolderThatCannotTakeTheReportIsReported) {
    const std::string projects = test::MakeTempFolder();
    const std::string project = WriteProject(projects, "welle.bxr", test::GearShaft());
    // No one may create files in /proc, not even the superuser.
    test::ProgramRun r = test::RunIn("/proc", {project, "/I", "/NOGUI"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(LineCount(r.err), 1) << r.err;
    EXPECT_NE(r.err.find("welle.txt"), std::string::npos) << r.err;
}

// The value at the end of the report line of this symbol (its columns apart by tabs or
// blanks), with a decimal point; empty when there is no such line.
std::string ReportValue(const std::string& report, const std::string& symbol) {
    for (std::size_t at = 0; at < report.size();) {
        const std::size_t end = std::min(report.find('\n', at), report.size());
        std::string line = report.substr(at, end - at);
        at = end + 1;
        for (char& c : line)
            if (c == '\t' || c == '\r') c = ' ';
        if (line.find(" " + symbol + " ") == std::string::npos) continue;
        line.erase(line.find_last_not_of(' ') + 1);
        std::string value = line.substr(line.find_last_of(' ') + 1);
        for (char& c : value)
            if (c == ',') c = '.';
        return value;
    }
    return {};
}

// 20 x 40 rectangle, 1000 mm between two hinges, 1000 N at midspan: M = 250000 Nmm,
// W = 20 * 40² / 6 = 5333.3 mm³, sigma b = 46.875 N/mm².
test::SampleProject S355Beam(int source, std::uint32_t record, const char* name) {
    test::SampleProject p = test::CantileverBracket();
    BeamModel& m = p.model;
    m.length = 1000;
    m.contourCount = 4;
    m.contour[1] = {0, 0, 0};
    m.contour[2] = {20, 0, 0};
    m.contour[3] = {20, 40, 0};
    m.contour[4] = {0, 40, 0};
    m.supportType = kTwoHinges;
    m.supportX = {0, 1000, 0, 0, 0};
    m.pointLoadCount = 1;
    m.pointLoads[1] = {1000, 500, 90, "F"};
    m.distributedLoadCount = 0;
    m.notchMode = 1;
    m.segmentCount = 1000;
    m.material.name = name;
    m.material.tableRecord = static_cast<std::int32_t>(record);
    m.materialSource = static_cast<std::uint16_t>(source);
    return p;
}

TEST(BatchReport, FatigueStrengthsOfACatalogueMaterialAreLookedUpAgainWhenTheProjectIsRead) {
    // sigma bW of S355J2 is 235 N/mm² in wst1dyn (0.5 Rm) and in mat_743: S bW = 235 / 46.875
    // = 5.01. The bending limit is 1.2 Re = 426 in wst1dyn (S bF = 9.09) and Re = 355 for
    // DIN 743 (S bF = 7.57).
    struct Case {
        int source;
        const char* table;
        const char* sbf;
    };
    for (const Case& c :
         {Case{1, "wqzwst", "9.09"}, Case{3, "wst1base", "9.09"}, Case{4, "mat_743", "7.57"}}) {
        const std::uint32_t record = test::FindRecord(c.table, 2, "S355J2");
        ASSERT_GT(record, 0u) << c.table;
        const std::string work = test::MakeTempFolder();
        WriteProject(work, "s355.bxr", S355Beam(c.source, record, "S355J2"));
        test::ProgramRun r = test::RunIn(work, {"s355.bxr", "/I"});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.err, "") << c.table;
        const std::string report = test::Slurp(work + "s355.txt");
        EXPECT_NE(report.find("SICHERHEIT"), std::string::npos) << c.table;
        EXPECT_EQ(ReportValue(report, "S bW"), "5.01") << c.table;
        EXPECT_EQ(ReportValue(report, "S bF"), c.sbf) << c.table;
        EXPECT_EQ(ReportValue(report, "Sig.bW"), "235") << c.table;
    }
    // The row now holds another material: no strengths, and the calculation says why.
    const std::uint32_t other = test::FindRecord("wqzwst", 2, "S235JR");
    const std::string work = test::MakeTempFolder();
    WriteProject(work, "s355.bxr", S355Beam(1, other, "S355J2"));
    test::ProgramRun r = test::RunIn(work, {"s355.bxr", "/I"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "wbxr: Warnung: Werkstoff fehlt in Tabelle\n");
    const std::string report = test::Slurp(work + "s355.txt");
    EXPECT_EQ(report.find("SICHERHEIT"), std::string::npos);
    EXPECT_NE(report.find("Warnung: Werkstoff fehlt in Tabelle"), std::string::npos);
}

TEST(BatchReport, TheS355ExampleShowsItsSafetyFactors) {
    const std::string work = test::MakeTempFolder();
    test::WriteFile(work + "antriebswelle.bxr",
                    test::Slurp(std::string(BXR_SOURCE_DATA_DIR) + "/antriebswelle.bxr"));
    test::ProgramRun r = test::RunIn(work, {"antriebswelle.bxr", "/I", "/NOGUI"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const std::string report = test::Slurp(work + "antriebswelle.txt");
    EXPECT_NE(report.find("SICHERHEIT"), std::string::npos);
    EXPECT_NE(ReportValue(report, "S vbw"), "");
}

TEST(BatchImportDxf, TheContourOfTheDrawingIsWrittenIntoTheProject) {
    const std::string work = test::MakeTempFolder();
    // A closed polyline 30 x 20 on layer KONTUR and a dimension line on layer MASSE.
    test::WriteFile(
        work + "profil.dxf",
        "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n  0\r\nLWPOLYLINE\r\n  8\r\nKONTUR\r\n"
        " 70\r\n1\r\n 10\r\n0\r\n 20\r\n0\r\n 10\r\n30\r\n 20\r\n0\r\n 10\r\n30\r\n"
        " 20\r\n20\r\n 10\r\n0\r\n 20\r\n20\r\n  0\r\nLINE\r\n  8\r\nMASSE\r\n"
        " 10\r\n0\r\n 20\r\n-5\r\n 11\r\n30\r\n 21\r\n-5\r\n  0\r\nENDSEC\r\n  0\r\nEOF\r\n");
    WriteProject(work, "welle.bxr", test::GearShaft());
    for (const char* project : {"welle.bxr", "neu.bxr"}) {
        test::ProgramRun r = test::RunIn(work, {project, "/DXF:profil.dxf", "/LAYER:KONTUR"});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.err, "");
        BeamModel m;
        ProjectDocumentation d;
        ASSERT_TRUE(ReadProjectText(test::Slurp(work + project), m, d).Ok()) << project;
        ASSERT_EQ(m.contourCount, 4) << project;
        EXPECT_EQ(m.contour[3].y, 30);
        EXPECT_EQ(m.contour[3].z, 20);
        if (std::string(project) == "welle.bxr") {
            EXPECT_EQ(m.pointLoadCount, 3);  // the rest stays
        }
    }
    // Without the layer the dimension line is an open chain: one line, the project untouched.
    const std::string before = test::Slurp(work + "welle.bxr");
    for (const char* dxf : {"/DXF:profil.dxf", "/DXF:fehlt.dxf"}) {
        test::ProgramRun r = test::RunIn(work, {"welle.bxr", dxf});
        EXPECT_EQ(r.exitCode, 1) << dxf;
        EXPECT_EQ(LineCount(r.err), 1) << r.err;
    }
    EXPECT_NE(
        test::RunIn(work, {"welle.bxr", "/DXF:profil.dxf"}).err.find("Kontur offen bei y = 30"),
        std::string::npos);
    EXPECT_EQ(test::Slurp(work + "welle.bxr"), before);
    EXPECT_NE(test::RunIn(work, {"/?"}).out.find("/DXF:f [/LAYER:l]"), std::string::npos);
}

// Without a display the window forms cannot start the window: one line names the batch form.
TEST(BatchForms, WindowFormsWithoutADisplaySaySoAndFail) {
    const std::string work = test::MakeTempFolder();
    const std::string project = WriteProject(work, "welle.bxr", test::GearShaft());
    for (std::vector<std::string> params :
         std::vector<std::vector<std::string>>{{},
                                               {project},
                                               {project, "/E"},
                                               {project, "/e"},
                                               {project, "/G"},
                                               {project, "/NOGUI"}}) {
        test::ProgramRun r = test::RunIn(work, params);
        EXPECT_EQ(r.exitCode, 2) << params.size();
        EXPECT_NE(r.err.find("kein Bildschirm"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("/I /NOGUI"), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

TEST(BatchForms, APlainNameWithoutExtensionGetsTheExtensionMessage) {
    test::ProgramRun r = test::RunIn(test::MakeTempFolder(), {"welle"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "Erweiterung .bxr muß mit angegeben werden\n");
}

}  // namespace
}  // namespace bxr
