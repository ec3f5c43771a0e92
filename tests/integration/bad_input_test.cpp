// Damaged, hostile and unusual input given to the built program: each gets a clear line and
// the right exit code, and no file that was there before is lost.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "config/config_file.h"
#include "model/project_file.h"
#include "support/output_test_support.h"
#include "support/program_runs.h"
#include "support/sample_projects.h"

namespace bxr {
namespace {

using test::Has;
using test::LineCount;

std::string Text(const test::SampleProject& p) {
    return ProjectFileText(p.model, p.doc, OutputSettings{});
}

// The file's lines with one replaced, joined again with CR LF.
std::string WithLine(const std::string& text, const std::string& from, const std::string& to,
                     int* lineNumber = nullptr) {
    auto lines = test::Lines(text);
    if (!lines.empty() && lines.back().empty()) lines.pop_back();  // after the last CR LF
    std::string out;
    bool done = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!done && lines[i] == from) {
            lines[i] = to;
            done = true;
            if (lineNumber) *lineNumber = static_cast<int>(i) + 1;
        }
        out += lines[i] + "\r\n";
    }
    EXPECT_TRUE(done) << from;
    return out;
}

TEST(BadInput, WarningsOfTheInputCheckReachTheReportAndStandardError) {
    test::SampleProject p = test::GearShaft();
    p.model.pointLoads[3].x = 1000000;  // far beyond the 400 mm shaft
    p.model.distributedLoadCount = 1;   // x1 > x2
    p.model.distributedLoads[1] = DistributedLoad{5, 300, 100, 90, "q"};
    const std::string folder = test::MakeTempFolder();
    test::WriteFile(folder + "w.bxr", Text(p));
    test::ProgramRun r = test::RunIn(folder, {"w.bxr", "/I"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Has(r.err, "Kraft ausserh. Welle (3) !")) << r.err;
    EXPECT_TRUE(Has(r.err, "Streckenlast ausserh. Welle (1) !")) << r.err;
    const std::string report = test::Slurp(folder + "w.txt");
    EXPECT_TRUE(Has(report, "Kraft ausserh. Welle (3) !"));
    // /NOGUI keeps them off standard error, not out of the report.
    r = test::RunIn(folder, {"w.bxr", "/I", "/NOGUI"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(Has(test::Slurp(folder + "w.txt"), "Streckenlast ausserh. Welle (1) !"));
}

TEST(BadInput, NoOutputReplacesTheProjectItWasMadeFrom) {
    const std::string folder = test::MakeTempFolder();
    const std::string project = Text(test::GearShaft());
    for (const auto& [name, mode] : std::vector<std::pair<std::string, std::string>>{
             {"p.txt", "/I"}, {"p.dxf", "/CAD1:1"}, {"p.txt", "/CAD5:1"}, {"p.svg", "/CAD6:21"}}) {
        test::WriteFile(folder + name, project);
        test::ProgramRun r = test::RunIn(folder, {name, mode, "/NOGUI"});
        EXPECT_EQ(r.exitCode, 1) << name << " " << mode;
        EXPECT_TRUE(Has(r.err, "Projektdatei")) << r.err;
        EXPECT_EQ(test::Slurp(folder + name), project) << name << " " << mode;
        ::unlink((folder + name).c_str());
    }
}

TEST(BadInput, ReportAndElementTextNeverReplaceEachOther) {
    const std::string folder = test::MakeTempFolder();
    test::WriteFile(folder + "w.bxr", Text(test::GearShaft()));
    // The report first: the element text of the same name is refused, the report stays.
    ASSERT_EQ(test::RunIn(folder, {"w.bxr", "/I", "/NOGUI"}).exitCode, 0);
    const std::string report = test::Slurp(folder + "w.txt");
    test::ProgramRun r = test::RunIn(folder, {"w.bxr", "/CAD5:1", "/NOGUI"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Has(r.err, "w.txt")) << r.err;
    EXPECT_EQ(test::Slurp(folder + "w.txt"), report);
    // A report again replaces the report; the element text elsewhere is untouched by it.
    EXPECT_EQ(test::RunIn(folder, {"w.bxr", "/I", "/NOGUI"}).exitCode, 0);
    ::unlink((folder + "w.txt").c_str());
    ASSERT_EQ(test::RunIn(folder, {"w.bxr", "/CAD5:1", "/NOGUI"}).exitCode, 0);
    const std::string elements = test::Slurp(folder + "w.txt");
    EXPECT_EQ(test::RunIn(folder, {"w.bxr", "/CAD5:1", "/NOGUI"}).exitCode, 0);
    r = test::RunIn(folder, {"w.bxr", "/I", "/NOGUI"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(test::Slurp(folder + "w.txt"), elements);
}

TEST(BadInput, FullTurnArcsAreRefused) {
    const std::string folder = test::MakeTempFolder();
    for (Real sweep : {6.283L, 6.2831853L, -6.2831853L, 7.0L}) {
        test::SampleProject p = test::GearShaft();
        p.model.contour[1].arcAngle = sweep;
        p.model.contour[2].arcAngle = sweep;
        test::WriteFile(folder + "w.bxr", Text(p));
        test::ProgramRun r = test::RunIn(folder, {"w.bxr", "/I", "/NOGUI"});
        EXPECT_EQ(r.exitCode, 1) << static_cast<double>(sweep);
        EXPECT_TRUE(Has(r.err, "Fehler in GetArcCenter (dphi = ")) << r.err;
    }
}

TEST(BadInput, TheCadWordIsReadStrictlyAndEchoedAsTyped) {
    const std::string folder = test::MakeTempFolder();
    test::WriteFile(folder + "w.bxr", Text(test::GearShaft()));
    for (const char* word : {"/CAD1:4294967297", "/CAD1:4294967317", "/CAD11:1", "/CADx:1",
                             "/CAD1;1", "/CAD1:", "/CAD1:+1", "/CAD1:1x"}) {
        test::ProgramRun r = test::RunIn(folder, {"w.bxr", word, "/NOGUI"});
        EXPECT_EQ(r.exitCode, 1) << word;
        EXPECT_TRUE(Has(r.err, std::string(word) + ":")) << word << ": " << r.err;
        EXPECT_EQ(test::Slurp(folder + "w.dxf"), "") << word;
    }
}

TEST(BadInput, AStoppedCalculationNamesItsCause) {
    const std::string folder = test::MakeTempFolder();
    test::SampleProject loads = test::GearShaft();
    loads.model.selfWeightAsLoad = true;
    loads.model.distributedLoadCount = kMaxDistributedLoads;
    for (int i = 1; i <= kMaxDistributedLoads; ++i)
        loads.model.distributedLoads[i] = DistributedLoad{1, 50, 60, 90, "q"};
    test::SampleProject moments = test::GearShaft();
    moments.model.supportType = kAngularContactPair;
    moments.model.contactAngleA = moments.model.contactAngleB = 15;
    moments.model.racewayDiameterA = moments.model.racewayDiameterB = 60;
    moments.model.momentLoadCount = kMaxMomentLoads;
    for (int i = 1; i <= kMaxMomentLoads; ++i)
        moments.model.momentLoads[i] = MomentLoad{1000, 200, 0, "M"};
    for (const auto& [p, cause] :
         {std::pair{loads, "Fatal  : Fq max !"}, std::pair{moments, "Zu viele Biegemomente"}}) {
        test::WriteFile(folder + "w.bxr", Text(p));
        for (const char* mode : {"/I", "/CAD1:21"}) {
            test::ProgramRun r = test::RunIn(folder, {"w.bxr", mode, "/NOGUI"});
            EXPECT_EQ(r.exitCode, 1) << cause;
            EXPECT_TRUE(Has(r.err, cause)) << mode << ": " << r.err;
        }
    }
}

TEST(BadInput, ValuesNoCalculationCanUseAreRefused) {
    const std::string folder = test::MakeTempFolder();
    const std::string gear = Text(test::GearShaft());
    // On reading: a number beyond what a calculation can use is a damaged line.
    int line = 0;
    test::WriteFile(folder + "w.bxr", WithLine(gear, "6200.0000000", "1e4000", &line));
    test::ProgramRun r = test::RunIn(folder, {"w.bxr", "/I", "/NOGUI"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Has(r.err, "(Zeile " + std::to_string(line) + ")")) << r.err;
    // In the input check: moduli and density below zero.
    for (const auto& [from, to, message] :
         std::vector<std::tuple<std::string, std::string, std::string>>{
             {"210000.0000000", "-1", "Fatal  : E-Modul < 0 !"},
             {"80000.0000000", "-80000.0000000", "Fatal  : G-Modul < 0 !"},
             {"7.8000000", "-7.8000000", "Fatal  : Dichte < 0 !"}}) {
        test::WriteFile(folder + "w.bxr", WithLine(gear, from, to));
        r = test::RunIn(folder, {"w.bxr", "/I", "/NOGUI"});
        EXPECT_EQ(r.exitCode, 1) << message;
        EXPECT_TRUE(Has(r.err, message)) << r.err;
    }
}

TEST(BadInput, MistypedCutOrReshapedProjectFilesAreDamagedWithTheirLine) {
    const std::string folder = test::MakeTempFolder();
    const std::string gear = Text(test::GearShaft());
    int typo = 0, rule = 0;
    const std::string mistyped = WithLine(gear, "6200.0000000", "6200.0000000O", &typo);
    const std::string noRule = WithLine(gear, "Lagerung", "Lagerung", &rule);
    struct Case {
        std::string name, bytes;
        int line;
    };
    const std::vector<Case> cases = {
        {"typo", mistyped, typo},
        {"empty number", WithLine(gear, "400.0000000", ""), 0},
        {"rule line lost",
         noRule.substr(0, noRule.find("--------\r\nLagerung")) +
             noRule.substr(noRule.find("Lagerung")),
         rule - 1},
        {"boolean", gear.substr(0, gear.size() - 5) + "JA\r\n", 0},
        {"cut in the last line", gear.substr(0, gear.size() - 4), 0},
        {"lines after the last", gear + "TRUE\r\n", 0},
        {"CR CR LF",
         [&] {
             std::string s;
             for (char c : gear) s += c == '\r' ? std::string("\r\r") : std::string(1, c);
             return s;
         }(),
         0},
    };
    for (const Case& c : cases) {
        test::WriteFile(folder + "w.bxr", c.bytes);
        ::unlink((folder + "w.txt").c_str());
        test::ProgramRun r = test::RunIn(folder, {"w.bxr", "/I", "/NOGUI"});
        EXPECT_EQ(r.exitCode, 1) << c.name;
        EXPECT_TRUE(Has(r.err, "beschädigt")) << c.name << ": " << r.err;
        if (c.line > 0) {
            EXPECT_TRUE(Has(r.err, "(Zeile " + std::to_string(c.line) + ")"))
                << c.name << ": " << r.err;
        }
        EXPECT_EQ(test::Slurp(folder + "w.txt"), "") << c.name;
    }
    // Line feeds alone and a closing Ctrl-Z read as the original does.
    std::string lf = gear;
    std::erase(lf, '\r');
    for (const std::string& bytes : {lf, gear + "\x1a"}) {
        test::WriteFile(folder + "w.bxr", bytes);
        test::ProgramRun r = test::RunIn(folder, {"w.bxr", "/I", "/NOGUI"});
        EXPECT_EQ(r.exitCode, 0) << r.err;
    }
}

TEST(BadInput, ReadOnlyTargetsAreKept) {
    const std::string folder = test::MakeTempFolder();
    test::WriteFile(folder + "w.bxr", Text(test::GearShaft()));
    for (const auto& [file, mode] : {std::pair{"w.txt", "/I"}, std::pair{"w.dxf", "/CAD1:1"}}) {
        test::WriteFile(folder + file, "kept");
        ASSERT_EQ(::chmod((folder + file).c_str(), 0444), 0);
        test::ProgramRun r = test::RunIn(folder, {"w.bxr", mode, "/NOGUI"});
        EXPECT_EQ(r.exitCode, 1) << mode;
        EXPECT_TRUE(Has(r.err, "schreibgeschützt")) << r.err;
        EXPECT_EQ(test::Slurp(folder + file), "kept") << mode;
    }
}

TEST(BadInput, TheCadFormReadsTheConfiguration) {
    const std::string folder = test::MakeTempFolder();
    test::WriteFile(folder + "w.bxr", Text(test::GearShaft()));
    Configuration c;
    c.cadDecimals = 1;
    test::WriteFile(folder + "bxr.cfg", ConfigurationText(c));
    ASSERT_EQ(test::RunIn(folder, {"w.bxr", "/CAD5:1", "/NOGUI"}).exitCode, 0);
    // The extents of the drawing with the configured single decimal (6 without it).
    const auto lines = test::Lines(test::Slurp(folder + "w.txt"));
    ASSERT_FALSE(lines.empty());
    ASSERT_EQ(lines[0].rfind("MINMAX\t", 0), 0u) << lines[0];
    std::size_t at = 0;
    int numbers = 0;
    while ((at = lines[0].find('\t', at)) != std::string::npos) {
        const std::string field = lines[0].substr(at + 1, lines[0].find('\t', at + 1) - at - 1);
        EXPECT_EQ(field.size() - field.find('.'), 2u) << field;
        ++numbers, ++at;
    }
    EXPECT_EQ(numbers, 4);
}

TEST(BadInput, LongNamesFoldersPipesAndDevicesAsProjects) {
    const std::string folder = test::MakeTempFolder();
    // A stem of 250 characters: the temporary names must stay within 255 bytes.
    const std::string stem(250, 'w');
    test::WriteFile(folder + stem + ".bxr", Text(test::GearShaft()));
    test::ProgramRun r = test::RunIn(folder, {stem + ".bxr", "/I", "/NOGUI"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(test::Slurp(folder + stem + ".txt"), "");

    ASSERT_EQ(::mkdir((folder + "ordner.bxr").c_str(), 0755), 0);
    ASSERT_EQ(::mkfifo((folder + "pipe.bxr").c_str(), 0644), 0);
    for (const auto& [name, what] :
         {std::pair{"ordner.bxr", "Ordner"}, std::pair{"pipe.bxr", "Pipe"},
          std::pair{"/dev/null", "Gerätedatei"}}) {
        r = test::RunIn(folder, {name, "/I", "/NOGUI"});
        EXPECT_EQ(r.exitCode, 1) << name;  // not 124: it did not wait on the pipe
        EXPECT_TRUE(Has(r.err, what)) << r.err;
        EXPECT_FALSE(Has(r.err, "nicht gefunden")) << r.err;
    }
}

TEST(BadInput, TabsAndEscapesInLabelsKeepTheColumnsOfTheTabSeparatedReport) {
    const std::string folder = test::MakeTempFolder();
    test::SampleProject p = test::GearShaft();
    test::WriteFile(folder + "a.bxr", Text(p));
    p.model.pointLoads[1].label =
        "Ft\tR\x1b"
        "d";
    test::WriteFile(folder + "b.bxr", Text(p));
    ASSERT_EQ(test::RunIn(folder, {"a.bxr", "/I", "/NOGUI"}).exitCode, 0);
    ASSERT_EQ(test::RunIn(folder, {"b.bxr", "/I", "/NOGUI"}).exitCode, 0);
    const auto a = test::Lines(test::Slurp(folder + "a.txt"));
    const auto b = test::Lines(test::Slurp(folder + "b.txt"));
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 2; i < a.size(); ++i) {
        EXPECT_EQ(std::count(a[i].begin(), a[i].end(), '\t'),
                  std::count(b[i].begin(), b[i].end(), '\t'))
            << b[i];
        EXPECT_EQ(b[i].find('\x1b'), std::string::npos) << b[i];
    }
}

}  // namespace
}  // namespace bxr
