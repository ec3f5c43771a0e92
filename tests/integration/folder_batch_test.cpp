// A folder named in place of a project: every project in it runs as if named alone.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "model/project_file.h"
#include "support/output_test_support.h"
#include "support/program_runs.h"
#include "support/sample_projects.h"

namespace bxr {
namespace {

using test::Has;
using test::LineCount;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find('\n', at);
        lines.push_back(text.substr(at, end - at));
        at = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

// The file with its dates and clock times blanked: a run writes when it ran.
std::string Undated(const std::string& text) {
    static const std::regex stamp(R"(\d\d\.\d\d\.\d{4}|\d\d:\d\d(:\d\d)?)");
    return std::regex_replace(text, stamp, "#");
}

std::string Text(const test::SampleProject& p) {
    return ProjectFileText(p.model, p.doc, OutputSettings{});
}

// The folder as a user keeps it: projects with the extension in any letter case, two damaged
// ones, a subfolder with a project of its own and a file of another kind.
std::string ProjectFolder() {
    const std::string folder = test::MakeTempFolder() + "projekte";
    std::filesystem::create_directories(folder + "/unter");
    test::WriteFile(folder + "/welle.bxr", Text(test::GearShaft()));
    test::WriteFile(folder + "/Traeger.BXR", Text(test::ContinuousBeam()));
    test::WriteFile(folder + "/konsole.Bxr", Text(test::CantileverBracket()));
    test::WriteFile(folder + "/zz_kaputt.bxr", "keine Projektdatei\r\n");
    test::WriteFile(folder + "/a_kaputt.bxr", "");
    test::WriteFile(folder + "/unter/tief.bxr", Text(test::GearShaft()));
    test::WriteFile(folder + "/notiz.txt", "nichts\n");
    return folder;
}

TEST(FolderRun, ReportsOfEveryProjectMatchSingleRunsAndFailuresAreNamedInOrder) {
    const std::string folder = ProjectFolder();
    const std::string together = test::MakeTempFolder();
    test::ProgramRun r = test::RunIn(together, {folder, "/I", "/NOGUI"});
    EXPECT_EQ(r.exitCode, 1);
    const auto lines = Lines(r.err);
    ASSERT_EQ(lines.size(), 2u) << r.err;
    EXPECT_TRUE(Has(lines[0], "a_kaputt.bxr")) << lines[0];
    EXPECT_TRUE(Has(lines[1], "zz_kaputt.bxr") && Has(lines[1], "beschädigt")) << lines[1];

    const std::string alone = test::MakeTempFolder();
    for (const char* name : {"welle", "Traeger", "konsole"}) {
        const std::string project = folder + "/" + name +
                                    (name[0] == 'w'   ? ".bxr"
                                     : name[0] == 'T' ? ".BXR"
                                                      : ".Bxr");
        ASSERT_EQ(test::RunIn(alone, {project, "/I", "/NOGUI"}).exitCode, 0) << name;
        const std::string report = test::Slurp(together + name + ".txt");
        EXPECT_FALSE(report.empty()) << name;
        EXPECT_EQ(Undated(report), Undated(test::Slurp(alone + name + ".txt"))) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(together + "tief.txt"));
    EXPECT_FALSE(std::filesystem::exists(together + "notiz.txt"));

    // Without the damaged ones every project succeeds, and nothing is said.
    std::filesystem::remove(folder + "/a_kaputt.bxr");
    std::filesystem::remove(folder + "/zz_kaputt.bxr");
    r = test::RunIn(test::MakeTempFolder(), {folder, "/I", "/NOGUI"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
}

TEST(FolderRun, DrawingsGoBesideEachProjectAsFromSingleRuns) {
    const std::string folder = ProjectFolder();
    const std::string work = test::MakeTempFolder();
    for (const char* word : {"/CAD1:1", "/CAD6:21"}) {
        const std::string extension = word[4] == '1' ? ".dxf" : ".svg";
        const test::ProgramRun r = test::RunIn(work, {folder, word, "/NOGUI"});
        EXPECT_EQ(r.exitCode, 1) << word;
        EXPECT_EQ(Lines(r.err).size(), 2u) << r.err;
        const std::string together = test::Slurp(folder + "/welle" + extension);
        ASSERT_FALSE(together.empty()) << word;
        EXPECT_FALSE(test::Slurp(folder + "/Traeger" + extension).empty()) << word;
        EXPECT_FALSE(std::filesystem::exists(folder + "/unter/tief" + extension));
        ASSERT_EQ(test::RunIn(work, {folder + "/welle.bxr", word, "/NOGUI"}).exitCode, 0);
        EXPECT_EQ(Undated(test::Slurp(folder + "/welle" + extension)), Undated(together)) << word;
    }
}

TEST(FolderRun, AFolderWithoutProjectsFails) {
    const std::string empty = test::MakeTempFolder();
    test::WriteFile(empty + "notiz.txt", "nichts\n");
    const test::ProgramRun r = test::RunIn(test::MakeTempFolder(), {empty, "/I"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(Lines(r.err).size(), 1u) << r.err;
}

}  // namespace
}  // namespace bxr
