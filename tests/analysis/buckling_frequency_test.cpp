// Euler loads, the second-order deflection from axial forces and the natural frequency.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/buckling.h"
#include "analysis/dunkerley.h"
#include "analysis/run_analysis.h"
#include "beam_fixture.h"
#include "format/code_page.h"
#include "sections/compute_section.h"

namespace bxr::test {
namespace {

double D(Real x) {
    return static_cast<double>(x);
}

TEST(euler_load, by_support_type) {
    // π²·E·I/L² with E = 210000, I = 320000, L = 1000: 663237.4 N.
    const double pinned = 9.8696044010893586 * 210000.0 * 320000 / 1e6;
    EXPECT_NEAR(D(EulerLoad(kTwoHinges, 1000, 320000, 210000)), pinned, 1e-6);
    EXPECT_NEAR(D(EulerLoad(kAngularContactPair, 1000, 320000, 210000)), pinned, 1e-6);
    EXPECT_NEAR(D(EulerLoad(kFixedClamp, 1000, 320000, 210000)), pinned / 4, 1e-6);
    EXPECT_EQ(D(EulerLoad(kThreeHinges, 1000, 320000, 210000)), 0);
    EXPECT_EQ(D(EulerLoad(kTwoHinges, 0, 320000, 210000)), 0);

    // In a calculation it uses the smaller principal moment (Ieta = 320000 here).
    auto ws = RectangleBeam(1000, kFixedClamp);
    AddPointLoad(ws->model, 10, 1000, 0);
    RunAnalysis(*ws);
    EXPECT_NEAR(D(ws->results.buckling.eulerLoad), pinned / 4, 1e-6);
}

TEST(second_order, pull_reduces_and_push_increases_the_deflection) {
    // Cantilever with a tip force of 1000 N (2.2 mm) and an axial force halfway. Each round
    // puts |sin(slope)·Fx| at the point of largest deflection between the clamp and the
    // axial force, with the reactions of the first solution kept.
    Real results[2] = {0, 0};
    int i = 0;
    for (const Real fx : {Real(-50000), Real(50000)}) {
        auto ws = RectangleBeam(1000, kFixedClamp);
        ws->model.bucklingOn = true;
        AddPointLoad(ws->model, 1000, 1000, 0);
        ws->model.axialLoads[++ws->model.axialLoadCount] = {fx, 500, ""};
        RunAnalysis(*ws);
        results[i++] = ws->results.buckling.wFax;
        EXPECT_TRUE(ws->results.buckling.iterated);
        EXPECT_EQ(ws->model.pointLoadCount, 1);  // temporary forces are gone again
        EXPECT_FALSE(HasMessage(*ws, "Warnung: Knickung !"));
    }
    EXPECT_GT(D(results[0]), 0);  // pushes towards the clamp
    EXPECT_LT(D(results[1]), 0);  // pulls away from it
    // The same transverse force both times, once with and once against the deflection;
    // the first round is linear in it, later rounds differ only in second order.
    EXPECT_NEAR(D(results[0]), -D(results[1]), 0.1 * D(results[0]));
}

TEST(second_order, warnings) {
    {
        // Far beyond the critical load the deflection keeps growing.
        auto ws = RectangleBeam(1000, kTwoHinges);
        ws->model.bucklingOn = true;
        AddPointLoad(ws->model, 1000, 500, 0);
        ws->model.axialLoads[++ws->model.axialLoadCount] = {-1e7L, 500, ""};
        RunAnalysis(*ws);
        EXPECT_TRUE(HasMessage(*ws, "Warnung: Knickung !"));
        EXPECT_GT(D(ws->results.buckling.wFax), 100);
    }
    {
        // An axial force alone leaves nothing to magnify.
        auto ws = RectangleBeam(1000, kTwoHinges);
        ws->model.bucklingOn = true;
        ws->model.axialLoads[++ws->model.axialLoadCount] = {-1000, 1000, ""};
        RunAnalysis(*ws);
        EXPECT_TRUE(HasMessage(*ws, "Warnung: Fr=0 ! (Knickung)"));
        EXPECT_EQ(D(ws->results.buckling.wFax), 0);
    }
    {
        auto ws = RectangleBeam(1000, kThreeHinges);
        ws->model.supportX[kSupportC] = 500;
        ws->model.bucklingOn = true;
        AddPointLoad(ws->model, 1000, 250, 0);
        RunAnalysis(*ws);
        EXPECT_TRUE(HasMessage(*ws, "Warnung: Knickung nur für 2 Lager"_oem));
    }
    {
        // The bearing pair runs the iteration without effect.
        auto ws = RectangleBeam(1000, kAngularContactPair);
        ws->model.bucklingOn = true;
        AddPointLoad(ws->model, 1000, 500, 0);
        ws->model.axialLoads[++ws->model.axialLoadCount] = {-5000, 1000, ""};
        RunAnalysis(*ws);
        EXPECT_TRUE(ws->results.buckling.iterated);
        EXPECT_EQ(D(ws->results.buckling.wFax), 0);
    }
}

TEST(dunkerley, a_few_percent_below_the_exact_first_frequency) {
    // Uniform simply supported beam: f1 = π/2·√(E·I/(μ·L⁴)) with E = 210e9 Pa,
    // I = 7.2e-7 m⁴, μ = 7800·0.0024 = 18.72 kg/m, L = 1 m: 141.17 Hz.
    const double exact = M_PI / 2 * std::sqrt(210e9 * 7.2e-7 / 18.72);
    auto ws = RectangleBeam(1000, kTwoHinges);
    ws->model.dunkerleyOn = true;
    AddPointLoad(ws->model, 1000, 300, 0);
    RunAnalysis(*ws);
    const double f = D(ws->results.frequency);
    EXPECT_LT(f, exact);
    EXPECT_GT(f, exact * 0.9);
    // The calculation's own results are those of the real loads.
    EXPECT_EQ(ws->model.pointLoadCount, 1);
    EXPECT_EQ(D(ws->model.pointLoads[1].f), 1000);
    EXPECT_NEAR(D(ws->results.reactions.Ry[kSupportA]), -700, 1e-9);
}

TEST(dunkerley, no_partial_frequency_gives_the_message) {
    auto ws = RectangleBeam(1000, kTwoHinges);
    ComputeSectionProperties(*ws);
    ws->section.mass = 0;
    AddPointLoad(ws->model, 1000, 300, 0);
    DunkerleyFrequency(*ws);
    EXPECT_EQ(D(ws->results.frequency), 0);
    EXPECT_TRUE(HasMessage(*ws, "Fehler : f dunkerley"));
    EXPECT_EQ(ws->model.pointLoadCount, 1);
}

}  // namespace
}  // namespace bxr::test
