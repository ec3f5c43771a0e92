// The example projects in data/ open, calculate to the textbook reactions, and save back to
// the very same bytes although the calculation appended its loads.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "analysis/run_analysis.h"
#include "app/project_commands.h"
#include "model/project_file.h"
#include "support/memory_file_system.h"

namespace bxr {
namespace {

struct Opened {
    Workspace ws;
    test::MemoryFileSystem copy;  // where the project is saved again
    std::string original;
};

void OpenAndRun(Opened& o, const std::string& name) {
    const std::string path = std::string(BXR_SOURCE_DATA_DIR) + "/" + name;
    ASSERT_TRUE(ReadProjectFile(o.ws, DiskFileSystem(), path)) << path;
    o.original = *DiskFileSystem().Read(path, kMaxProjectFileBytes);
    RunAnalysis(o.ws);
    ASSERT_FALSE(o.ws.abortFlag) << name;
}

void SavesTheSameBytes(Opened& o) {
    const BeamModel before = o.ws.model;
    ASSERT_TRUE(WriteProjectFile(o.ws, o.copy, "/copy/example.bxr", false));
    EXPECT_EQ(o.copy.files["/copy/example.bxr"], o.original);
    EXPECT_EQ(o.ws.model.pointLoadCount, before.pointLoadCount);
    EXPECT_EQ(o.ws.model.distributedLoadCount, before.distributedLoadCount);
}

// Clamped at x = 0, L = 800: F = 5000 N at the end and q = 2 N/mm over the length, both
// downwards. Clamp: F + qL = 6600 N and F·L + qL²/2 = 4.64e6 N·mm. Tip deflection with
// I = 100·60³/12 = 1.8e6 mm⁴, E = 210000: F·L³/(3EI) + q·L⁴/(8EI) = 2.2575 + 0.2709 mm.
// The calculation points lie 1 mm apart and the pass holds the slope at the first point past
// the clamp, so the moment there and the tip deflection may be one segment short.
TEST(example_projects_test, cantilever_bracket_matches_the_cantilever_formulas) {
    Opened o;
    OpenAndRun(o, "konsole.bxr");
    const SupportReactions& r = o.ws.results.reactions;
    EXPECT_NEAR(std::fabs(r.Ffix), 6600, 0.5);
    EXPECT_NEAR(std::fabs(r.Mfix), 4.64e6, 500);
    const StationTable& s = o.ws.results.stations;
    EXPECT_NEAR(std::fabs(s[0].Mb), 4.64e6, 6600 + 500);
    EXPECT_NEAR(std::fabs(s[s.n].w), 2.5284, 0.015);
    SavesTheSameBytes(o);
}

// Two bearings 290 mm apart (A at 40, B at 330); at 120 mm from A the gear forces 6200 N
// (+z) and 2260 N (-y), at 340 mm from A the belt pull 3100 N at 30 degrees. Moments about
// A in each plane: |R_A| = 3812.37 N, |R_B| = 4909.50 N.
TEST(example_projects_test, gear_shaft_bearing_forces_from_moments_about_each_bearing) {
    Opened o;
    OpenAndRun(o, "getriebewelle.bxr");
    const SupportReactions& r = o.ws.results.reactions;
    EXPECT_NEAR(r.R[kSupportA], 3812.37, 0.5);
    EXPECT_NEAR(r.R[kSupportB], 4909.50, 0.5);
    SavesTheSameBytes(o);
}

// Three equal spans of 2000 mm under q = 1.5 N/mm plus the weight of an 80 x 160 steel bar
// (12800 mm² · 7.85e-6 kg/mm³ · 9.81 = 0.98571 N/mm): end supports 0.4·q·l = 1988.57 N,
// inner supports 1.1·q·l = 5468.56 N; together the whole load q·L = 14914.25 N. Supports C
// and D come from a bisection on the deflection between calculation points 5 mm apart, so
// the share between the supports is only close, while the sum is exact.
TEST(example_projects_test, continuous_beam_on_four_supports_has_the_three_span_reactions) {
    Opened o;
    OpenAndRun(o, "durchlauftraeger.bxr");
    const SupportReactions& r = o.ws.results.reactions;
    EXPECT_TRUE(o.ws.model.auxLoadsAppended);
    EXPECT_NEAR(r.R[kSupportA], 1988.57, 30);
    EXPECT_NEAR(r.R[kSupportB], 1988.57, 30);
    EXPECT_NEAR(r.R[kSupportC], 5468.56, 60);
    EXPECT_NEAR(r.R[kSupportD], 5468.56, 60);
    EXPECT_NEAR(r.R[kSupportA] + r.R[kSupportB] + r.R[kSupportC] + r.R[kSupportD], 14914.25, 0.5);
    SavesTheSameBytes(o);
}

}  // namespace
}  // namespace bxr
