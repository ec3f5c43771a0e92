// The "/CADi:j" batch form run from a shell: the drawing lands beside the project, named
// after it, and a failure exits with 1.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/output_test_support.h"

namespace bxr {
namespace {

int RunCad(const std::string& project, const std::string& word) {
    const char* fromEnv = std::getenv("BXR_WBXR");
    const std::string wbxr = fromEnv ? fromEnv : std::string(BXR_BINARY_DIR) + "/wbxr";
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY '" + wbxr + "' '" + project +
                                "' " + word + " /NOGUI >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(CadBatchRun, WritesTheDrawingBesideTheProject) {
    const std::string folder = test::MakeTempFolder();
    const std::string project = folder + "welle.bxr";
    test::WriteFile(project, test::Slurp(std::string(BXR_SOURCE_DATA_DIR) + "/getriebewelle.bxr"));
    EXPECT_EQ(RunCad(project, "/CAD1:1"), 0);
    const std::string dxf = test::Slurp(folder + "welle.dxf");
    EXPECT_NE(dxf.find("ENTITIES"), std::string::npos);
    ASSERT_GE(dxf.size(), 5u);
    EXPECT_EQ(dxf.substr(dxf.size() - 5), "EOF\r\n");
    EXPECT_EQ(RunCad(project, "/cad2:21"), 0);  // the mode word in any letter case
    EXPECT_NE(test::Slurp(folder + "welle.igs").find("S0000002G"), std::string::npos);
    EXPECT_EQ(RunCad(project, "/CAD6:34"), 0);
    EXPECT_NE(test::Slurp(folder + "welle.svg").find("</svg>"), std::string::npos);
}

TEST(CadBatchRun, UnknownDrawingsAndMissingProjectsExitWithOne) {
    const std::string folder = test::MakeTempFolder();
    const std::string project = folder + "welle.bxr";
    test::WriteFile(project, test::Slurp(std::string(BXR_SOURCE_DATA_DIR) + "/getriebewelle.bxr"));
    EXPECT_EQ(RunCad(project, "/CAD1:99"), 1);
    EXPECT_EQ(RunCad(project, "/CAD7:1"), 1);
    EXPECT_EQ(RunCad(folder + "fehlt.bxr", "/CAD1:1"), 1);
}

}  // namespace
}  // namespace bxr
