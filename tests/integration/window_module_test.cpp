// The window lives in a module that only the window forms load: every batch form runs without
// the toolkit, and a program without its module says so instead of crashing.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "model/project_file.h"
#include "support/output_test_support.h"
#include "support/sample_projects.h"

namespace bxr {
namespace {

struct RunResult {
    int exitCode = -1;
    std::string err;
};

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::string BuiltProgram() {
    const char* fromEnv = std::getenv("BXR_WBXR");
    return fromEnv ? fromEnv : std::string(BXR_BINARY_DIR) + "/wbxr";
}

// Runs the program in folder without a display; env is put before it (e.g. "LD_DEBUG=files").
RunResult RunProgram(const std::string& program, const std::string& folder,
              const std::vector<std::string>& params, const std::string& env = "") {
    const std::string scratch = test::MakeTempFolder();
    std::string command = "cd " + Quote(folder) +
                          " && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + env +
                          " timeout 20 " + Quote(program);
    for (const auto& p : params) command += " " + Quote(p);
    command += " </dev/null >/dev/null 2>" + Quote(scratch + "err");
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, test::Slurp(scratch + "err")};
}

int LineCount(const std::string& s) {
    int n = 0;
    for (char c : s) n += c == '\n';
    return n;
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A copy of the program in folder/bin; the window module is wherever the caller puts it.
std::string CopyProgram(const std::string& folder) {
    std::filesystem::create_directories(folder + "bin");
    const std::string copy = folder + "bin/wbxr";
    std::filesystem::copy_file(BuiltProgram(), copy);
    return copy;
}

std::string BuiltModule() {
    return (std::filesystem::path(BuiltProgram()).parent_path() / "bxr_window.so").string();
}

TEST(WindowModule, NoBatchFormLoadsTheToolkitOrTheModule) {
    const std::string work = test::MakeTempFolder();
    test::WriteFile(work + "welle.bxr", ProjectFileText(test::GearShaft().model,
                                                        test::GearShaft().doc, OutputSettings{}));
    test::WriteFile(work + "p.txt", ProjectFileText(test::GearShaft().model,
                                                    test::GearShaft().doc, OutputSettings{}));
    test::WriteFile(work + "kontur.dxf", "0\nEOF\n");
    const std::vector<std::vector<std::string>> forms = {
        {"/?"},          {"?"},          {"welle.bxr", "/I", "/NOGUI"},
        {"welle.bxr", "/CAD1:1"},        {"neu.bxr", "/DXF:kontur.dxf"},
        {"welle"},       {"p.txt", "/I"}, {"welle.bxr", "/CADx"}};
    for (const auto& form : forms) {
        // The dynamic loader names every library it brings in.
        const RunResult r = RunProgram(BuiltProgram(), work, form, "LD_DEBUG=files");
        EXPECT_FALSE(Has(r.err, "libQt6")) << form[0] << " " << (form.size() > 1 ? form[1] : "");
        EXPECT_FALSE(Has(r.err, "bxr_window")) << form[0];
        EXPECT_TRUE(Has(r.err, "libc.so")) << "LD_DEBUG gave nothing to look at: " << r.err;
    }
}

TEST(WindowModule, IsFoundBesideTheProgramOrInTheInstalledLibraryFolder) {
    // Found where an installation puts it: the window form reaches the module, which finds
    // no display here and says so.
    const std::string installed = test::MakeTempFolder();
    const std::string program = CopyProgram(installed);
    std::filesystem::create_directories(installed + "lib/bxr");
    std::filesystem::create_symlink(BuiltModule(), installed + "lib/bxr/bxr_window.so");
    RunResult r = RunProgram(program, installed, {});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(LineCount(r.err), 1) << r.err;
    EXPECT_TRUE(Has(r.err, "kein Bildschirm")) << r.err;

    // Missing: one line naming the module, and the batch forms still run.
    const std::string bare = test::MakeTempFolder();
    const std::string lone = CopyProgram(bare);
    r = RunProgram(lone, bare, {"welle.bxr"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(LineCount(r.err), 1) << r.err;
    EXPECT_TRUE(Has(r.err, "bxr_window.so") && Has(r.err, "fehlt")) << r.err;
    EXPECT_EQ(RunProgram(lone, bare, {"/?"}).exitCode, 0);

    // Damaged: the file beside the program is named with the loader's reason; the installed
    // one behind it is not tried.
    test::WriteFile(bare + "bin/bxr_window.so", "kein Modul");
    std::filesystem::create_directories(bare + "lib/bxr");
    std::filesystem::create_symlink(BuiltModule(), bare + "lib/bxr/bxr_window.so");
    r = RunProgram(lone, bare, {});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(LineCount(r.err), 1) << r.err;
    EXPECT_TRUE(Has(r.err, "bin/bxr_window.so kann nicht geladen werden")) << r.err;
}

}  // namespace
}  // namespace bxr
