// Runs the built program as a user would from a shell: the usage screen, the batch report,
// and every way a batch run can fail.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "model/project_file.h"
#include "support/golden.h"
#include "support/output_test_support.h"
#include "support/sample_projects.h"

namespace bxr {
namespace {

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs wbxr in folder with the parameters, without a display.
RunResult RunWbxr(const std::string& folder, const std::vector<std::string>& params) {
    const char* fromEnv = std::getenv("BXR_WBXR");
    const std::string wbxr = fromEnv ? fromEnv : std::string(BXR_BINARY_DIR) + "/wbxr";
    const std::string scratch = test::MakeTempFolder();
    std::string command = "cd " + Quote(folder) +
                          " && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + Quote(wbxr);
    for (const auto& p : params) command += " " + Quote(p);
    command += " >" + Quote(scratch + "out") + " 2>" + Quote(scratch + "err");
    int status = std::system(command.c_str());
    RunResult r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = test::Slurp(scratch + "out");
    r.err = test::Slurp(scratch + "err");
    return r;
}

int LineCount(const std::string& s) {
    int n = 0;
    for (char c : s) n += c == '\n';
    return n;
}

std::string WriteProject(const std::string& folder, const std::string& name,
                         const test::SampleProject& p) {
    const std::string path = folder + name;
    test::WriteFile(path, ProjectFileText(p.model, p.doc, OutputSettings{}));
    return path;
}

TEST(BatchUsage, QuestionMarkFormsShowTheUsageScreenAndSucceed) {
    for (const char* form : {"?", "/?"}) {
        RunResult r = RunWbxr(test::MakeTempFolder(), {form});
        EXPECT_EQ(r.exitCode, 0) << form;
        EXPECT_EQ(LineCount(r.out), 21) << form;
        EXPECT_EQ(r.out.rfind("BXR Command Line Mode\n", 0), 0u) << form;
        EXPECT_NE(r.out.find("Example: wbxr test.bxr /I /NOGUI   ->  test.txt"), std::string::npos);
    }
}

TEST(BatchReport, WritesTheReportNamedAfterTheProjectIntoTheCurrentFolder) {
    const std::string projects = test::MakeTempFolder();
    const std::string work = test::MakeTempFolder();
    const std::string project = WriteProject(projects, "welle.bxr", test::GearShaft());
    RunResult r = RunWbxr(work, {project, "/I", "/NOGUI"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string report = test::Slurp(work + "welle.txt");
    EXPECT_NE(report.find("ERGEBNISSE QUERSCHNITT"), std::string::npos);
    // The delivered copy is UTF-8 for the programs of this system.
    EXPECT_NE(report.find("Querschnittsfläche"), std::string::npos);
    EXPECT_NE(report.find("WERKSTOFFDATEN"), std::string::npos);
    // Lower-case "/i" is the same form.
    RunResult lower = RunWbxr(work, {project, "/i"});
    EXPECT_EQ(lower.exitCode, 0) << lower.err;
}

TEST(BatchReport, MissingUnreadableOrDamagedProjectsFailWithOneLineOnStandardError) {
    const std::string work = test::MakeTempFolder();
    test::WriteFile(work + "kaputt.bxr", "Das ist keine Projektdatei\r\n");
    test::WriteFile(work + "leer.bxr", "");
    for (const char* name : {"fehlt.bxr", "kaputt.bxr", "leer.bxr", "."}) {
        RunResult r = RunWbxr(work, {name, "/I", "/NOGUI"});
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
    RunResult r = RunWbxr("/proc", {project, "/I", "/NOGUI"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(LineCount(r.err), 1) << r.err;
    EXPECT_NE(r.err.find("welle.txt"), std::string::npos) << r.err;
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
        RunResult r = RunWbxr(work, params);
        EXPECT_EQ(r.exitCode, 2) << params.size();
        EXPECT_NE(r.err.find("kein Bildschirm"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("/I /NOGUI"), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

TEST(BatchForms, APlainNameWithoutExtensionGetsTheExtensionMessage) {
    RunResult r = RunWbxr(test::MakeTempFolder(), {"welle"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "Erweiterung .bxr muß mit angegeben werden\n");
}

}  // namespace
}  // namespace bxr
