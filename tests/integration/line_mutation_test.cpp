// Every example project with one line deleted, doubled, or followed by an empty line: each
// such file either is refused as damaged with its line named, or gives exactly the report of
// the original. A shifted file never calculates to another result.
#include <gtest/gtest.h>
#include <unistd.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "support/output_test_support.h"

namespace bxr {
namespace {

struct Outcome {
    int exitCode = -1;
    std::string err;
    std::string report;  // without its time line
};

// The batch report of the bytes, run as "wbxr m.bxr /I /NOGUI" in folder.
Outcome Report(const std::string& folder, const std::string& bytes) {
    test::WriteFile(folder + "m.bxr", bytes);
    ::unlink((folder + "m.txt").c_str());
    std::ostringstream out, err;
    BatchContext context{out, err, folder, BXR_BINARY_DIR, nullptr, {}, false, {}};
    Outcome o;
    o.exitCode = RunCommandLine({folder + "m.bxr", "/I", "/NOGUI"}, context);
    o.err = err.str();
    auto lines = test::Lines(test::Slurp(folder + "m.txt"));
    if (lines.size() > 1) lines[1].clear();  // date and time of the run
    for (const auto& l : lines) o.report += l + "\n";
    return o;
}

// The line number a damaged-file message names, or 0.
int NamedLine(const std::string& err) {
    const auto at = err.find("(Zeile ");
    if (at == std::string::npos) return 0;
    return std::atoi(err.c_str() + at + 7);
}

TEST(LineMutation, EveryShiftedExampleIsRefusedOrReportsAsTheOriginal) {
    const std::string folder = test::MakeTempFolder();
    for (const char* name : {"getriebewelle", "konsole", "durchlauftraeger", "null"}) {
        const std::string original =
            test::Slurp(std::string(BXR_SOURCE_DATA_DIR) + "/" + name + ".bxr");
        ASSERT_FALSE(original.empty()) << name;
        std::vector<std::string> lines;
        for (std::size_t at = 0; at < original.size();) {
            const auto end = original.find("\r\n", at);
            ASSERT_NE(end, std::string::npos) << name;
            lines.push_back(original.substr(at, end + 2 - at));
            at = end + 2;
        }
        const Outcome expected = Report(folder, original);
        if (std::string(name) != "null") {
            ASSERT_EQ(expected.exitCode, 0) << name << expected.err;
        }
        int refused = 0, same = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            for (int kind = 0; kind < 3; ++kind) {
                std::string mutant;
                for (std::size_t k = 0; k < lines.size(); ++k) {
                    if (k != i || kind != 0) mutant += lines[k];
                    if (k == i && kind == 1) mutant += lines[k];
                    if (k == i && kind == 2) mutant += "\r\n";
                }
                const Outcome o = Report(folder, mutant);
                const int line = NamedLine(o.err);
                if (o.exitCode == 1 && line >= 1 && line <= static_cast<int>(lines.size()) + 2) {
                    ++refused;
                    EXPECT_EQ(o.report, "") << name << " line " << i + 1 << " kind " << kind;
                    continue;
                }
                ++same;
                EXPECT_EQ(o.exitCode, expected.exitCode)
                    << name << " line " << i + 1 << " kind " << kind << ": " << o.err;
                EXPECT_EQ(o.err, expected.err) << name << " line " << i + 1 << " kind " << kind;
                EXPECT_EQ(o.report, expected.report)
                    << name << " line " << i + 1 << " kind " << kind;
            }
        }
        // Most mutants shift a value into another field and must be caught.
        EXPECT_GT(refused, same) << name;
    }
}

}  // namespace
}  // namespace bxr
