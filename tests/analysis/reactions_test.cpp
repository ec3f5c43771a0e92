// Reactions of the determinate systems, the rules of the angular-contact bearing pair, and
// the loads a calculation appends to the model's lists.
#include "analysis/reactions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/run_analysis.h"
#include "beam_fixture.h"

namespace bxr::test {
namespace {

double D(Real x) {
    return static_cast<double>(x);
}

TEST(load_resultants, forces_lines_and_moments_about_the_reference) {
    auto ws = RectangleBeam(1000, kTwoHinges);
    BeamModel& m = ws->model;
    AddPointLoad(m, 100, 200, 90);        // +z
    AddUniformLoad(m, 2, 100, 300, 180);  // 400 N in -y, centred at 200
    m.momentLoads[++m.momentLoadCount] = {5000, 700, 0, ""};
    m.axialLoads[++m.axialLoadCount] = {-30, 10, ""};
    LoadResultants(*ws, 0, 100);
    const SupportReactions& r = ws->results.reactions;
    EXPECT_NEAR(D(r.sumFy), -400, 1e-12);
    EXPECT_NEAR(D(r.sumFz), 100, 1e-12);
    EXPECT_NEAR(D(r.sumMy), -400 * 100 + 5000, 1e-9);  // lever 100 about x = 100
    EXPECT_NEAR(D(r.sumMz), 100 * 100, 1e-9);
    EXPECT_NEAR(D(r.sumF), std::hypot(400, 100), 1e-9);
    EXPECT_NEAR(D(r.angleF), 180 - std::atan(0.25) * 180 / M_PI, 1e-9);
    EXPECT_NEAR(D(r.sumFx), -30, 1e-12);
}

TEST(reactions, two_hinges_and_fixed_end) {
    auto ws = RectangleBeam(1000, kTwoHinges);
    ws->model.supportX = {100, 900, 0, 0, 0};
    AddPointLoad(ws->model, 800, 300, 0);
    ws->model.axialLoads[++ws->model.axialLoadCount] = {50, 500, ""};
    ASSERT_TRUE(SolveReactions(*ws, 0));
    const SupportReactions& r = ws->results.reactions;
    // 800 N at 200 mm from A on a span of 800: B takes 200, A takes 600.
    EXPECT_NEAR(D(r.Ry[kSupportB]), -200, 1e-9);
    EXPECT_NEAR(D(r.Ry[kSupportA]), -600, 1e-9);
    EXPECT_NEAR(D(r.FxA), -50, 1e-12);
    EXPECT_EQ(D(r.FxB), 0);

    ws->model.supportType = kFixedClamp;
    ws->model.clampX = 100;
    ASSERT_TRUE(SolveReactions(*ws, 0));
    EXPECT_NEAR(D(r.FfixY), -800, 1e-9);
    EXPECT_NEAR(D(r.MfixY), -800 * 200, 1e-9);
    EXPECT_NEAR(D(r.FxFix), -50, 1e-12);

    ws->model.supportType = 7;
    EXPECT_FALSE(SolveReactions(*ws, 0));
    EXPECT_TRUE(HasMessage(*ws, "Fatal  : Lagercode !"));
}

// A bearing pair on a span of 1000 with 30° contact angles; a force of 1000 N at 400 mm
// gives RA = 600, RB = 400, at 600 mm the other way round. tan 30° = 0.577350.
struct BearingCase {
    int arrangement;
    Real forceAt;
    Real axial;
    double fxA, fxB, faA, faB;
};

class bearing_rules : public ::testing::TestWithParam<BearingCase> {};

TEST_P(bearing_rules, give_the_axial_reactions_case_by_case) {
    const BearingCase c = GetParam();
    auto ws = RectangleBeam(1000, kAngularContactPair);
    BeamModel& m = ws->model;
    m.bearingArrangement = static_cast<std::uint16_t>(c.arrangement);
    m.contactAngleA = 30;
    m.contactAngleB = 30;
    AddPointLoad(m, 1000, c.forceAt, 0);
    if (c.axial != 0) m.axialLoads[++m.axialLoadCount] = {c.axial, 500, ""};
    ASSERT_TRUE(SolveReactions(*ws, 0));
    const SupportReactions& r = ws->results.reactions;
    EXPECT_NEAR(D(r.FxA), c.fxA, 1e-3);
    EXPECT_NEAR(D(r.FxB), c.fxB, 1e-3);
    EXPECT_NEAR(D(r.FaA), c.faA, 1e-3);
    EXPECT_NEAR(D(r.FaB), c.faB, 1e-3);
}

// t·R: 346.410 (600 N) and 230.940 (400 N); Fi = 1.25·t·R: 433.013 and 288.675.
INSTANTIATE_TEST_SUITE_P(
    cases, bearing_rules,
    ::testing::Values(
        // X, ΣFx > 0 (case I), tA·RA >= tB·RB: FxA = FiA, FxB = Ka + FiA, then -FxB.
        BearingCase{1, 400, 200, 433.013, -633.013, 346.410, -230.940},
        // X, case I, tA·RA < tB·RB and Ka < FiB - FiA (144.338): FxB = FiB, FxA = FiB - Ka.
        BearingCase{1, 600, 100, 333.013, -433.013, 230.940, -346.410},
        // X, case I with a large Ka >= FiB - FiA: FxA = FiA, FxB = Ka + FiA.
        BearingCase{1, 600, 500, 288.675, -788.675, 230.940, -346.410},
        // X, ΣFx < 0 (case II), tA·RA > tB·RB and Ka < FiA - FiB: FxA = FiA, FxB = FiA - Ka.
        BearingCase{1, 400, -100, 433.013, -333.013, 346.410, -230.940},
        // X, case II, tA·RA <= tB·RB: FxB = FiB, FxA = Ka + FiB.
        BearingCase{1, 600, -100, 533.013, -433.013, 230.940, -346.410},
        // X without axial force is case II.
        BearingCase{1, 400, 0, 433.013, -433.013, 346.410, -230.940},
        // O, ΣFx < 0 is case I; O negates FxA.
        BearingCase{2, 400, -200, -433.013, 633.013, -346.410, 230.940},
        // O, ΣFx > 0 is case II.
        BearingCase{2, 600, 100, -533.013, 433.013, -230.940, 346.410}));

TEST(bearing_rules_edges, zero_angles_arrangement_code_and_tangent_of_90) {
    auto ws = RectangleBeam(1000, kAngularContactPair);
    BeamModel& m = ws->model;
    AddPointLoad(m, 1000, 400, 0);
    m.axialLoads[++m.axialLoadCount] = {250, 500, ""};
    ASSERT_TRUE(SolveReactions(*ws, 0));
    EXPECT_EQ(D(ws->results.reactions.FxA), 0);
    EXPECT_NEAR(D(ws->results.reactions.FxB), -250, 1e-12);

    m.bearingArrangement = 3;
    SolveReactions(*ws, 0);
    EXPECT_TRUE(HasMessage(*ws, "Fatal  : Lageroxcode !"));

    m.bearingArrangement = 1;
    m.contactAngleB = 90;
    SolveReactions(*ws, 0);
    EXPECT_TRUE(HasMessage(*ws, "Error: function tan in Unit math"));
    EXPECT_NEAR(D(ws->results.reactions.FaB), -1e30 * 400, 1e20);
}

TEST(bearing_moments, magnitude_angle_and_normalisation) {
    auto ws = RectangleBeam(1000, kAngularContactPair);
    BeamModel& m = ws->model;
    m.contactAngleA = 30;
    m.contactAngleB = 30;
    m.racewayDiameterA = 50;
    m.racewayDiameterB = 0;  // no diameter: moment 0
    AddPointLoad(m, 1000, 400, 0);
    SolveReactions(*ws, 0);
    AddBearingMoments(*ws);
    ASSERT_EQ(m.momentLoadCount, 2);
    // Fa'A = 346.41 N on half of 50 mm; the reaction of A points to -y (180°).
    EXPECT_NEAR(D(m.momentLoads[1].mb), 346.410 * 25, 1e-2);
    EXPECT_NEAR(D(m.momentLoads[1].angle), -180, 1e-9);
    EXPECT_EQ(D(m.momentLoads[1].x), 0);
    EXPECT_EQ(D(m.momentLoads[2].mb), 0);
    EXPECT_EQ(D(m.momentLoads[2].x), 1000);
    // A negative magnitude turns half a turn: Fa'B = -230.94 with a diameter.
    m.momentLoadCount = 0;
    m.racewayDiameterB = 40;
    AddBearingMoments(*ws);
    EXPECT_NEAR(D(m.momentLoads[2].mb), 230.940 * 20, 1e-2);
    EXPECT_NEAR(D(m.momentLoads[2].angle), 0, 1e-9);  // 180 + 180 brought into [-180, 180)
}

TEST(bearing_moments, a_full_moment_list_stops_and_keeps_the_users_moments) {
    auto ws = RectangleBeam(1000, kAngularContactPair);
    BeamModel& m = ws->model;
    AddPointLoad(m, 1000, 400, 0);
    for (int i = 1; i <= 19; ++i) m.momentLoads[++m.momentLoadCount] = {Real(i), 500, 0, "M"};
    RunAnalysis(*ws);
    // The 20th moment goes in, the 21st is refused with the box of the second moment.
    EXPECT_EQ(ws->results.boxMessages, std::vector<std::string>{"Zu viele Biegemomente !"});
    EXPECT_TRUE(ws->abortFlag);
    // The lists hold the user's entries only, and nothing is marked as appended, so the next
    // removal by count cannot take a user's moment.
    EXPECT_EQ(m.momentLoadCount, 19);
    EXPECT_FALSE(m.auxLoadsAppended);
    EXPECT_EQ(D(m.momentLoads[19].mb), 19);
}

TEST(self_weight, load_of_the_beam_over_its_length) {
    auto ws = RectangleBeam(1000, kTwoHinges);
    ws->model.selfWeightAsLoad = true;
    RunAnalysis(*ws);
    const BeamModel& m = ws->model;
    ASSERT_EQ(m.distributedLoadCount, 1);
    // 2400 mm² · 1000 mm · 7.8 kg/dm³ = 18.72 kg; q = 18.72 · 9.81 / 1000 N/mm at 180°.
    const DistributedLoad& q = m.distributedLoads[1];
    EXPECT_NEAR(D(q.q), 18.72 * 9.81 / 1000, 1e-12);
    EXPECT_EQ(D(q.angle), 180);
    EXPECT_EQ(q.label, "m0");
    EXPECT_NEAR(D(ws->results.reactions.Ry[kSupportA]), 18.72 * 9.81 / 2, 1e-9);

    auto full = RectangleBeam(1000, kTwoHinges);
    full->model.selfWeightAsLoad = true;
    for (int i = 0; i < 50; ++i) AddUniformLoad(full->model, 0.001L, 0, 1000, 0);
    RunAnalysis(*full);
    EXPECT_TRUE(HasMessage(*full, "Fatal  : Fq max !"));
    EXPECT_TRUE(full->abortFlag);
    EXPECT_EQ(full->model.distributedLoadCount, 50);
    EXPECT_FALSE(full->model.auxLoadsAppended);
}

TEST(added_loads, appended_after_a_calculation_and_removed_exactly) {
    auto ws = RectangleBeam(1000, kFiveHinges);
    BeamModel& m = ws->model;
    m.supportX = {0, 1000, 250, 500, 750};
    m.selfWeightAsLoad = true;
    AddPointLoad(m, 500, 100, 0);
    AddPointLoad(m, 300, 900, 45);
    AddUniformLoad(m, 0.5L, 0, 1000, 0);
    RunAnalysis(*ws);
    ASSERT_FALSE(ws->abortFlag);
    EXPECT_TRUE(m.auxLoadsAppended);
    ASSERT_EQ(m.pointLoadCount, 8);
    ASSERT_EQ(m.distributedLoadCount, 2);
    const SupportReactions& r = ws->results.reactions;
    const char* labels[] = {"Lager C", "Lager D", "Lager E"};
    for (int s = 0; s < 3; ++s) {
        const PointLoad& y = m.pointLoads[3 + 2 * s];
        const PointLoad& z = m.pointLoads[4 + 2 * s];
        EXPECT_EQ(y.label, labels[s]);
        EXPECT_EQ(D(y.angle), 0);
        EXPECT_EQ(D(z.angle), 90);
        EXPECT_EQ(y.f, r.Ry[static_cast<std::size_t>(kSupportC + s)]);
        EXPECT_EQ(z.f, r.Rz[static_cast<std::size_t>(kSupportC + s)]);
        EXPECT_EQ(D(y.x), D(m.supportX[static_cast<std::size_t>(kSupportC + s)]));
    }
    EXPECT_EQ(m.distributedLoads[2].label, "m0");
    // All forces and reactions balance.
    Real sumY = 500 + 300 * std::sqrt(0.5L) + 500 - ws->section.mass * 9.81L;
    for (Real ry : r.Ry) sumY += ry;
    EXPECT_NEAR(D(sumY), 0, 1e-9);

    // A second calculation first takes the appended loads away: same counts, same results.
    const Real rc = r.Ry[kSupportC];
    RunAnalysis(*ws);
    EXPECT_EQ(m.pointLoadCount, 8);
    EXPECT_EQ(m.distributedLoadCount, 2);
    EXPECT_EQ(r.Ry[kSupportC], rc);
    RemoveAddedLoads(m);
    EXPECT_EQ(m.pointLoadCount, 2);
    EXPECT_EQ(m.distributedLoadCount, 1);
    EXPECT_EQ(m.pointLoads[2].f, 300);
}

TEST(added_loads, bearing_pair_appends_two_moments) {
    auto ws = RectangleBeam(1000, kAngularContactPair);
    AddPointLoad(ws->model, 1000, 400, 0);
    ws->model.axialLoads[++ws->model.axialLoadCount] = {100, 500, ""};
    RunAnalysis(*ws);
    EXPECT_EQ(ws->model.momentLoadCount, 2);
    EXPECT_TRUE(ws->model.auxLoadsAppended);
    // Both contact angles 0, X arrangement and ΣFx > 0: FxA = 0, FxB = -|ΣFx|; the moments
    // are still appended, with magnitude 0.
    EXPECT_EQ(D(ws->model.momentLoads[1].mb), 0);
    EXPECT_NEAR(D(ws->results.reactions.FxB), -100, 1e-12);
    // The axial force acts from A (FxA = 0) and B: N = 0 left of the load, then 100 up to B.
    EXPECT_NEAR(D(ws->results.stations[100].N), 0, 1e-12);
    EXPECT_NEAR(D(ws->results.stations[700].N), 100, 1e-12);
}

}  // namespace
}  // namespace bxr::test

namespace bxr::test {
namespace {

TEST(added_loads, a_second_calculation_checks_only_the_users_entries) {
    // 15 forces on five supports: after the first calculation the list holds 21.
    auto ws = RectangleBeam(1000, kFiveHinges);
    ws->model.supportX = {0, 1000, 250, 500, 750};
    for (int i = 1; i <= 15; ++i) AddPointLoad(ws->model, 100, 60 * i, 0);
    RunAnalysis(*ws);
    ASSERT_FALSE(ws->abortFlag);
    EXPECT_EQ(ws->model.pointLoadCount, 21);
    RunAnalysis(*ws);
    EXPECT_FALSE(ws->abortFlag);
    EXPECT_FALSE(HasMessage(*ws, "Fatal  : Fr > 20"));
    EXPECT_EQ(ws->model.pointLoadCount, 21);
}

}  // namespace
}  // namespace bxr::test
