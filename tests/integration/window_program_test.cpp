// The window lives in a program of its own that wbxr starts only for the window forms: every
// batch form runs without the toolkit, and a program without its window says so.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
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

// A copy of the program in folder/bin; the window program is wherever the caller puts it.
std::string CopyProgram(const std::string& folder) {
    std::filesystem::create_directories(folder + "bin");
    const std::string copy = folder + "bin/wbxr";
    std::filesystem::copy_file(test::BuiltWbxr(), copy);
    return copy;
}

std::string BuiltWindowProgram() {
    return (std::filesystem::path(test::BuiltWbxr()).parent_path() / "bxr_window").string();
}

// A stand-in window program that writes its arguments and the folder it was handed to
// folder + "started", one per line.
void WriteStandIn(const std::string& path, const std::string& folder) {
    test::WriteFile(
        path,
        "#!/bin/sh\n{ for a in \"$@\"; do echo \"$a\"; done; echo \"$BXR_PROGRAM_FOLDER\"; } > '" +
            folder + "started'\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

TEST(WindowProgram, NoBatchFormStartsItAndTheProgramLinksNoToolkit) {
    const std::string work = test::MakeTempFolder();
    const std::string program = CopyProgram(work);
    WriteStandIn(work + "bin/bxr_window", work);
    test::WriteFile(work + "welle.bxr", ProjectFileText(test::GearShaft().model,
                                                        test::GearShaft().doc, OutputSettings{}));
    test::WriteFile(work + "p.txt", ProjectFileText(test::GearShaft().model, test::GearShaft().doc,
                                                    OutputSettings{}));
    test::WriteFile(work + "kontur.dxf", "0\nEOF\n");
    const std::vector<std::vector<std::string>> forms = {{"/?"},
                                                         {"?"},
                                                         {"welle.bxr", "/I", "/NOGUI"},
                                                         {"welle.bxr", "/CAD1:1"},
                                                         {"neu.bxr", "/DXF:kontur.dxf"},
                                                         {"welle"},
                                                         {"p.txt", "/I"},
                                                         {"welle.bxr", "/CADx"},
                                                         {"welle.bxr", "/PDF", "/SMIN:0"}};
    for (const auto& form : forms) {
        test::RunIn(work, form, program);
        EXPECT_FALSE(std::filesystem::exists(work + "started")) << form[0] << " " << form.back();
    }
    const std::string ldd = test::MakeTempFolder() + "ldd";
    std::system(
        ("ldd " + test::ShellQuote(test::BuiltWbxr()) + " >" + test::ShellQuote(ldd) + " 2>&1")
            .c_str());
    EXPECT_FALSE(Has(test::Slurp(ldd), "Qt")) << test::Slurp(ldd);
}

TEST(WindowProgram, TakesOverWithTheSameArgumentsAndTheProgramFolder) {
    // The window and the document forms; the installed place is found from bin/.
    const std::string installed = test::MakeTempFolder();
    const std::string program = CopyProgram(installed);
    std::filesystem::create_directories(installed + "lib/bxr");
    WriteStandIn(installed + "lib/bxr/bxr_window", installed);
    test::WriteFile(
        installed + "welle.bxr",
        ProjectFileText(test::GearShaft().model, test::GearShaft().doc, OutputSettings{}));
    for (const std::vector<std::string>& form :
         {std::vector<std::string>{}, {"welle.bxr", "/E"}, {"welle.bxr", "/PDF", "/SMIN:2"}}) {
        std::filesystem::remove(installed + "started");
        EXPECT_EQ(test::RunIn(installed, form, program).exitCode, 0);
        std::string expected;
        for (const auto& p : form) expected += p + "\n";
        expected += installed + "bin/\n";
        EXPECT_EQ(test::Slurp(installed + "started"), expected);
    }

    // The real one, reached from the installed place, finds no display here and says so.
    std::filesystem::remove(installed + "lib/bxr/bxr_window");
    std::filesystem::create_symlink(BuiltWindowProgram(), installed + "lib/bxr/bxr_window");
    test::ProgramRun r = test::RunIn(installed, {}, program);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(LineCount(r.err), 1) << r.err;
    EXPECT_TRUE(Has(r.err, "kein Bildschirm")) << r.err;

    // Missing: one line naming it, and the batch forms still run.
    const std::string bare = test::MakeTempFolder();
    const std::string lone = CopyProgram(bare);
    r = test::RunIn(bare, {"welle.bxr"}, lone);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(LineCount(r.err), 1) << r.err;
    EXPECT_TRUE(Has(r.err, "bxr_window") && Has(r.err, "fehlt")) << r.err;
    EXPECT_EQ(test::RunIn(bare, {"/?"}, lone).exitCode, 0);

    // Damaged: the file beside the program is named with the reason; the installed one behind
    // it is not tried.
    test::WriteFile(bare + "bin/bxr_window", "kein Programm");
    std::filesystem::permissions(bare + "bin/bxr_window", std::filesystem::perms::owner_all);
    std::filesystem::create_directories(bare + "lib/bxr");
    std::filesystem::create_symlink(BuiltWindowProgram(), bare + "lib/bxr/bxr_window");
    r = test::RunIn(bare, {}, lone);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(LineCount(r.err), 1) << r.err;
    EXPECT_TRUE(Has(r.err, "bin/bxr_window kann nicht gestartet werden")) << r.err;
}

}  // namespace
}  // namespace bxr
